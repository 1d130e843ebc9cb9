// Feeds any profile values and sizes to the wallpaper's style and layout: a
// layout takes only what the picture has, puts it only inside the screen,
// and keeps what its style promises.
#include "wallpaper_layout.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

// Not empty and inside a width x height area; spanning it in full one way
// at least when it must fill it.
void RequireInside(const WallpaperRect& r, int width, int height, bool fills) {
    Require(r.width > 0 && r.height > 0 && r.x >= 0 && r.y >= 0);
    Require(r.x + r.width <= width && r.y + r.height <= height);
    Require(!fills || r.width == width || r.height == height);
}

// In the middle of a side, within a pixel.
void RequireCentred(int start, int length, int side) {
    Require(std::abs(2 * start + length - side) <= 1);
}

// The shape of width x height, up to the rounding of one side to a pixel.
void RequireShape(const WallpaperRect& r, int width, int height) {
    const std::int64_t error = std::int64_t{r.width} * height - std::int64_t{r.height} * width;
    Require(std::abs(error) <= std::max({r.width, r.height, width, height}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int pw = input.ConsumeIntegralInRange(-2, kMaxWallpaperSide + 2);
    const int ph = input.ConsumeIntegralInRange(-2, kMaxWallpaperSide + 2);
    const int sw = input.ConsumeIntegralInRange(-2, 16384);
    const int sh = input.ConsumeIntegralInRange(-2, 16384);
    const std::string tile = input.ConsumeRandomLengthString(16);
    const WallpaperStyle style = ReadWallpaperStyle(input.ConsumeRemainingBytesAsString(), tile);
    const auto layout = LayOutWallpaper(style, pw, ph, sw, sh);
    if (!layout) return 0;

    const WallpaperRect& s = layout->source;
    const WallpaperRect& t = layout->target;
    const bool ownSize = style == WallpaperStyle::Centre || style == WallpaperStyle::Tile;
    RequireInside(s, pw, ph, !ownSize);
    RequireInside(t, sw, sh, !ownSize);
    Require(layout->tiled == (style == WallpaperStyle::Tile));
    switch (style) {
        case WallpaperStyle::Tile:
            Require(t.x == 0 && t.y == 0);
            [[fallthrough]];
        case WallpaperStyle::Centre:
            Require(s.width == t.width && t.width == std::min(pw, sw));
            Require(s.height == t.height && t.height == std::min(ph, sh));
            if (style == WallpaperStyle::Tile) break;
            pw > sw ? RequireCentred(s.x, s.width, pw) : RequireCentred(t.x, t.width, sw);
            ph > sh ? RequireCentred(s.y, s.height, ph) : RequireCentred(t.y, t.height, sh);
            break;
        case WallpaperStyle::Fit:
            Require(s.width == pw && s.height == ph);
            RequireCentred(t.x, t.width, sw);
            RequireCentred(t.y, t.height, sh);
            RequireShape(t, pw, ph);
            break;
        case WallpaperStyle::Fill:
            Require(t.width == sw && t.height == sh);
            RequireCentred(s.x, s.width, pw);
            RequireCentred(s.y, s.height, ph);
            RequireShape(s, sw, sh);
            break;
        case WallpaperStyle::Stretch:
            Require(s.width == pw && s.height == ph && t.width == sw && t.height == sh);
            break;
    }
    return 0;
}
