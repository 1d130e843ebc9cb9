#include "wallpaper_layout.h"

#include <algorithm>
#include <cstdint>

namespace {

// The number at the start of text after blanks: an optional sign and
// decimal digits; none without a digit, and none once it is too long to be
// any style.
std::optional<int> LeadingNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos) return std::nullopt;
    const bool negative = text[at] == '-';
    if (text[at] == '+' || negative) ++at;
    const std::size_t digits = at;
    int value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        if (at - digits >= 9) return std::nullopt;
        value = value * 10 + (text[at] - '0');
    }
    if (at == digits) return std::nullopt;
    return negative ? -value : value;
}

// a / b rounded to the nearest whole number, halves up; a >= 0, b > 0.
std::int64_t RoundedQuotient(std::int64_t a, std::int64_t b) {
    return (2 * a + b) / (2 * b);
}

// Half of value, rounded down also when it is negative.
int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// The run of length pixels that starts at offset on a line of side pixels,
// cut to that line: its first pixel inside the run, its first on the line
// and its length.
struct Span {
    int inside;
    int onLine;
    int length;
};
Span CutToLine(int offset, int length, int side) {
    const int first = std::max(offset, 0);
    const int end = std::min(offset + length, side);
    return {first - offset, first, end - first};
}

int Clamped(std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

}  // namespace

WallpaperStyle ReadWallpaperStyle(std::string_view wallpaperStyle, std::string_view tileWallpaper) {
    switch (LeadingNumber(wallpaperStyle).value_or(0)) {
        case 2:
            return WallpaperStyle::Stretch;
        case 6:
            return WallpaperStyle::Fit;
        case 10:
        case 22:
            return WallpaperStyle::Fill;
        default:
            return LeadingNumber(tileWallpaper).value_or(0) != 0 ? WallpaperStyle::Tile
                                                                 : WallpaperStyle::Centre;
    }
}

std::optional<WallpaperLayout> LayOutWallpaper(WallpaperStyle style, int pictureWidth,
                                               int pictureHeight, int screenWidth,
                                               int screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0 ||
        pictureWidth > kMaxWallpaperSide || pictureHeight > kMaxWallpaperSide ||
        std::int64_t{pictureWidth} * pictureHeight > kMaxWallpaperPixels) {
        return std::nullopt;
    }
    const std::int64_t pw = pictureWidth, ph = pictureHeight, sw = screenWidth, sh = screenHeight;
    const WallpaperRect picture{0, 0, pictureWidth, pictureHeight};
    const WallpaperRect screen{0, 0, screenWidth, screenHeight};
    // Which way the picture is wider than the screen, as their shapes compare.
    const bool widerThanScreen = pw * sh > ph * sw;

    switch (style) {
        case WallpaperStyle::Stretch:
            return WallpaperLayout{picture, screen};
        case WallpaperStyle::Fit: {
            WallpaperRect target = screen;
            if (widerThanScreen) {
                target.height = Clamped(RoundedQuotient(ph * sw, pw), 1, screenHeight);
                target.y = (screenHeight - target.height) / 2;
            } else {
                target.width = Clamped(RoundedQuotient(pw * sh, ph), 1, screenWidth);
                target.x = (screenWidth - target.width) / 2;
            }
            return WallpaperLayout{picture, target};
        }
        case WallpaperStyle::Fill: {
            WallpaperRect source = picture;
            if (widerThanScreen) {
                source.width = Clamped(RoundedQuotient(ph * sw, sh), 1, pictureWidth);
                source.x = (pictureWidth - source.width) / 2;
            } else {
                source.height = Clamped(RoundedQuotient(pw * sh, sw), 1, pictureHeight);
                source.y = (pictureHeight - source.height) / 2;
            }
            return WallpaperLayout{source, screen};
        }
        case WallpaperStyle::Tile: {
            const int width = std::min(pictureWidth, screenWidth);
            const int height = std::min(pictureHeight, screenHeight);
            return WallpaperLayout{{0, 0, width, height}, {0, 0, width, height}, true};
        }
        case WallpaperStyle::Centre:
            break;
    }
    const Span across = CutToLine(FloorHalf(screenWidth - pictureWidth), pictureWidth, screenWidth);
    const Span down =
        CutToLine(FloorHalf(screenHeight - pictureHeight), pictureHeight, screenHeight);
    return WallpaperLayout{{across.inside, down.inside, across.length, down.length},
                           {across.onLine, down.onLine, across.length, down.length}};
}
