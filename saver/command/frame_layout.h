// Where the eight pieces of a skin's frame go on a Command button. Lengths
// are twips held in 16 bits, as the control and its host keep them: 1440 to
// the inch, so 15 to a pixel at 96 dpi, and 10 at 144.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kTwipsPerInch = 1440;
inline constexpr std::int16_t kCornerSize = 60;
inline constexpr std::int16_t kSkinWidth = 960;
inline constexpr std::int16_t kSkinHeight = 375;

// One copy from the skin (source) to the control, stretched where the sizes
// differ.
struct FramePiece {
    std::int16_t sourceX = 0;
    std::int16_t sourceY = 0;
    std::int16_t sourceWidth = 0;
    std::int16_t sourceHeight = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;

    friend bool operator==(const FramePiece& a, const FramePiece& b) {
        return a.sourceX == b.sourceX && a.sourceY == b.sourceY && a.sourceWidth == b.sourceWidth &&
               a.sourceHeight == b.sourceHeight && a.x == b.x && a.y == b.y && a.width == b.width &&
               a.height == b.height;
    }
};

// In drawing order: top-left corner, top edge, top-right corner, right edge,
// bottom-right corner, bottom edge, bottom-left corner, left edge.
using FrameLayout = std::array<FramePiece, 8>;

// The pieces for a control of width x height twips. Empty when a size is
// negative or does not fit 16 bits. On controls narrower or lower than two
// corners the edges between them get no room rather than a negative size.
std::optional<FrameLayout> ComputeFrameLayout(std::int32_t width, std::int32_t height);

// The caption's top on a control `height` twips high, for a caption line
// `captionHeight` twips high; it spans the control's whole width from 0. The
// 20 twips lift the text a little above the middle.
double CaptionTop(std::int16_t height, std::int16_t captionHeight);

// Twips as the nearest whole pixel on a screen of dpi, halves away from
// zero: at 96 dpi 1 twip falls on pixel 0 and 1095 twips are 73 pixels.
std::int32_t TwipsToPixels(std::int16_t twips, int dpi);

// Pixels on a screen of dpi as the nearest whole twips; none when they do
// not fit 16 bits or are negative.
std::optional<std::int16_t> PixelsToTwips(std::int32_t pixels, int dpi);
