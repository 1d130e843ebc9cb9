#include "frame_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int16_t kEdgeWidth = kSkinWidth - 2 * kCornerSize;
constexpr std::int16_t kEdgeHeight = kSkinHeight - 2 * kCornerSize;
constexpr std::int16_t kFarCornerX = kSkinWidth - kCornerSize;
constexpr std::int16_t kFarCornerY = kSkinHeight - kCornerSize;

bool FitsTwips(std::int32_t length) {
    return length >= 0 && length <= std::numeric_limits<std::int16_t>::max();
}

std::int16_t Room(std::int16_t length) {
    return static_cast<std::int16_t>(std::max(0, length - 2 * kCornerSize));
}

}  // namespace

std::optional<FrameLayout> ComputeFrameLayout(std::int32_t width, std::int32_t height) {
    if (!FitsTwips(width) || !FitsTwips(height)) return std::nullopt;
    const auto W = static_cast<std::int16_t>(width);
    const auto H = static_cast<std::int16_t>(height);
    const auto right = static_cast<std::int16_t>(W - kCornerSize);
    const auto bottom = static_cast<std::int16_t>(H - kCornerSize);
    const std::int16_t C = kCornerSize;
    return FrameLayout{{
        {0, 0, C, C, 1, 1, C, C},
        {C, 1, kEdgeWidth, C, C, 1, Room(W), C},
        {kFarCornerX, 1, C, C, right, 1, C, C},
        {kFarCornerX, C, C, kEdgeHeight, right, C, C, Room(H)},
        {kFarCornerX, kFarCornerY, C, C, right, bottom, C, C},
        {C, kFarCornerY, kEdgeWidth, C, C, bottom, Room(W), C},
        {0, kFarCornerY, C, C, 1, bottom, C, C},
        {1, C, C, kEdgeHeight, 1, C, C, Room(H)},
    }};
}

double CaptionTop(std::int16_t height, std::int16_t captionHeight) {
    return (height - captionHeight - 20) / 2.0;
}

std::int32_t TwipsToPixels(std::int16_t twips, int dpi) {
    return static_cast<std::int32_t>(std::lround(double(twips) * dpi / kTwipsPerInch));
}

std::optional<std::int16_t> PixelsToTwips(std::int32_t pixels, int dpi) {
    if (dpi <= 0) return std::nullopt;
    const double twips = std::round(double(pixels) * kTwipsPerInch / dpi);
    if (twips < 0 || twips > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    return static_cast<std::int16_t>(twips);
}
