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

// Not empty, inside a width x height area and, when centred, in its middle
// within a pixel on each side it does not fill.
void RequireInside(const WallpaperRect& r, int width, int height, bool centred) {
    Require(r.width > 0 && r.height > 0 && r.x >= 0 && r.y >= 0);
    Require(r.x + r.width <= width && r.y + r.height <= height);
    Require(!centred || (std::abs(2 * r.x + r.width - width) <= 1 &&
                         std::abs(2 * r.y + r.height - height) <= 1));
}

// Of the shape width x height, but for one side's rounding to a pixel.
bool SameShape(const WallpaperRect& r, int width, int height) {
    const std::int64_t error = std::int64_t{r.width} * height - std::int64_t{r.height} * width;
    return std::abs(error) <= std::max({r.width, r.height, width, height});
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
    const bool tiled = style == WallpaperStyle::Tile;
    const bool ownSize = tiled || style == WallpaperStyle::Centre;
    const bool wholePicture = s.width == pw && s.height == ph;
    const bool wholeScreen = t.width == sw && t.height == sh;
    RequireInside(s, pw, ph, !tiled);
    RequireInside(t, sw, sh, !tiled);
    Require(layout->tiled == tiled && (!tiled || (t.x == 0 && t.y == 0)));
    Require(!ownSize || (s.width == t.width && t.width == std::min(pw, sw) &&
                         s.height == t.height && t.height == std::min(ph, sh)));
    Require(style != WallpaperStyle::Stretch || (wholePicture && wholeScreen));
    Require(style != WallpaperStyle::Fit ||
            (wholePicture && (t.width == sw || t.height == sh) && SameShape(t, pw, ph)));
    Require(style != WallpaperStyle::Fill ||
            (wholeScreen && (s.width == pw || s.height == ph) && SameShape(s, sw, sh)));
    return 0;
}
