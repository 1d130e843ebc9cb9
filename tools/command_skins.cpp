#include "command_skins.h"

#include "snapshot_bitmap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRight = kSkinPixelWidth - 1;
constexpr int kBottom = kSkinPixelHeight - 1;

constexpr std::uint32_t kBorderBlue = 0x003C74;
constexpr std::uint32_t kDialogFace = 0xECE9D8;
constexpr std::uint32_t kInsideWhite = 0xFFFFFF;

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double t) {
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double a = (from >> shift) & 0xFF;
        const double b = (to >> shift) & 0xFF;
        mixed |= static_cast<std::uint32_t>(std::lround(a + (b - a) * t)) << shift;
    }
    return mixed;
}

// From the top row's colour to the bottom row's, over the rows of the
// ring that lies `ring` pixels in from the edge.
std::uint32_t Vertical(std::uint32_t top, std::uint32_t bottom, int y, int ring = 0) {
    const double t = static_cast<double>(y - ring) / (kBottom - 2 * ring);
    return Mix(top, bottom, std::clamp(t, 0.0, 1.0));
}

std::uint32_t BeigeRing(int y, int ring) {
    return Vertical(0xE0DCC9, 0xF8F7F0, y, ring);
}

enum class Side { Top, Bottom, Left, Right };

// The side of ring `ring` that x, y lies on; the top and bottom rows run
// into the corners.
Side SideOf(int ring, int x, int y) {
    if (y == ring || kBottom - y == ring)
        return y < kSkinPixelHeight / 2 ? Side::Top : Side::Bottom;
    return x < kSkinPixelWidth / 2 ? Side::Left : Side::Right;
}

// The two inner rings (2 nearer the border, 3 nearer the inside).
std::uint32_t NormalInner(int ring, Side side, int y) {
    switch (side) {
        case Side::Top:
            return 0xF3F3EE;
        case Side::Left:
            return Vertical(0xFDFDFC, 0xECEBE6, y);
        case Side::Right:
            return Vertical(0xF6F4F2, 0xE0DDD4, y);
        case Side::Bottom:
            return ring == 3 ? 0xE2DFD6 : 0xD6D0C5;
    }
    return kInsideWhite;
}

std::uint32_t HighLightInner(int ring, Side side, int y) {
    switch (side) {
        case Side::Top:
            return ring == 2 ? 0xFFF0CF : 0xFDD889;
        case Side::Left:
        case Side::Right:
            return Vertical(0xFEDF9A, 0xF9B435, y);
        case Side::Bottom:
            return ring == 3 ? 0xF8B330 : 0xE59700;
    }
    return kInsideWhite;
}

std::uint32_t SelectedInner(Side side, int y) {
    switch (side) {
        case Side::Top:
            return 0xCEE7FF;
        case Side::Left:
        case Side::Right:
            return Vertical(0xB7D0F4, 0x8BADE4, y);
        case Side::Bottom:
            return 0x6982EE;
    }
    return kInsideWhite;
}

// The colour ring `ring` (0 the outermost) has at x, y.
std::uint32_t RingColour(CommandSkin skin, int ring, int x, int y) {
    if (skin == CommandSkin::Disable) {
        if (ring == 0) return kDialogFace;
        return ring == 1 ? 0xC9C7BA : 0xF5F4EA;
    }
    if (skin == CommandSkin::Pressed) {
        if (ring == 0) return kDialogFace;
        if (ring == 1) return BeigeRing(y, ring);
        if (ring == 2) return kBorderBlue;
        if (ring == 3) {
            const double towardsBottomRight =
                (static_cast<double>(x) / kRight + static_cast<double>(y) / kBottom) / 2;
            return Mix(0xA0ABB1, 0xD1CCC1, towardsBottomRight);
        }
        return kInsideWhite;
    }
    if (ring == 0) return BeigeRing(y, ring);
    if (ring == 1) return kBorderBlue;
    if (ring > 3) return kInsideWhite;
    const Side side = SideOf(ring, x, y);
    if (skin == CommandSkin::Selected) return SelectedInner(side, y);
    if (skin == CommandSkin::HighLight || skin == CommandSkin::HighLightSelect) {
        return HighLightInner(ring, side, y);
    }
    return NormalInner(ring, side, y);
}

int BorderRing(CommandSkin skin) {
    return skin == CommandSkin::Pressed ? 2 : 1;
}

}  // namespace

// The border's corner pixel is half the ring outside it and the pixel
// diagonally inside half the border, which rounds the corner.
std::uint32_t CommandSkinPixel(CommandSkin skin, int x, int y) {
    const int fromSide = std::min(x, kRight - x);
    const int fromEnd = std::min(y, kBottom - y);
    const int ring = std::min(fromSide, fromEnd);
    const int border = BorderRing(skin);
    if (fromSide == fromEnd && (ring == border || ring == border + 1)) {
        return Mix(RingColour(skin, ring - 1, x, y), RingColour(skin, ring, x, y), 0.5);
    }
    return RingColour(skin, ring, x, y);
}

std::vector<std::uint8_t> CommandSkinBitmap(CommandSkin skin) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(kSkinPixelWidth * kSkinPixelHeight * 3);
    for (int y = kBottom; y >= 0; --y) {
        for (int x = 0; x < kSkinPixelWidth; ++x) {
            const std::uint32_t colour = CommandSkinPixel(skin, x, y);
            rgb.push_back(static_cast<std::uint8_t>(colour >> 16));
            rgb.push_back(static_cast<std::uint8_t>(colour >> 8));
            rgb.push_back(static_cast<std::uint8_t>(colour));
        }
    }
    return EncodeSnapshotBitmap(kSkinPixelWidth, kSkinPixelHeight, rgb.data());
}
