// The wallpaper's style as the account's values name it, and where each
// style puts which part of the picture on a 1280 x 1024 screen.
#include "wallpaper_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Rect = std::tuple<int, int, int, int>;
using Style = WallpaperStyle;

TEST(WallpaperStyle, IsReadFromBothValuesAsWindowsWritesThem) {
    const std::tuple<const char*, const char*, Style> cases[] = {
        {"0", "0", Style::Centre},
        {"0", "1", Style::Tile},
        {"2", "1", Style::Stretch},
        {" 6 ", "0", Style::Fit},
        {"10", "1", Style::Fill},
        {"22", "0", Style::Fill},
        {"", "", Style::Centre},
        {"7", " -1", Style::Tile},
        {"Fill", "yes", Style::Centre},
        {"+10x", "0", Style::Fill},
        {"0000000010", "0", Style::Centre},
    };
    for (const auto& [style, tile, expected] : cases) {
        EXPECT_EQ(ReadWallpaperStyle(style, tile), expected) << style << '|' << tile;
    }
}

TEST(WallpaperLayout, EachStylePutsItsPartOfThePictureOnItsPartOfTheScreen) {
    const std::tuple<Style, int, int, Rect, Rect> cases[] = {
        {Style::Stretch, 333, 777, {0, 0, 333, 777}, {0, 0, 1280, 1024}},
        // Bars above and below, or 438.9 across with bars beside.
        {Style::Fit, 1920, 1080, {0, 0, 1920, 1080}, {0, 152, 1280, 720}},
        {Style::Fit, 333, 777, {0, 0, 333, 777}, {420, 0, 439, 1024}},
        {Style::Fit, 16384, 1, {0, 0, 16384, 1}, {0, 511, 1280, 1}},
        // The sides cut off, or top and bottom (266.4 down).
        {Style::Fill, 1920, 1080, {285, 0, 1350, 1080}, {0, 0, 1280, 1024}},
        {Style::Fill, 333, 777, {0, 255, 333, 266}, {0, 0, 1280, 1024}},
        {Style::Fill, 1, 16384, {0, 8191, 1, 1}, {0, 0, 1280, 1024}},
        // 721 and 77 pixels too many: the odd one more cut on the left and top.
        {Style::Centre, 301, 201, {0, 0, 301, 201}, {489, 411, 301, 201}},
        {Style::Centre, 2001, 1101, {361, 39, 1280, 1024}, {0, 0, 1280, 1024}},
        {Style::Tile, 300, 250, {0, 0, 300, 250}, {0, 0, 300, 250}},
        {Style::Tile, 2000, 77, {0, 0, 1280, 77}, {0, 0, 1280, 77}},
    };
    for (const auto& [style, width, height, source, target] : cases) {
        const auto layout = LayOutWallpaper(style, width, height, 1280, 1024);
        ASSERT_TRUE(layout) << width << " x " << height;
        const WallpaperRect& s = layout->source;
        const WallpaperRect& t = layout->target;
        EXPECT_EQ(Rect(s.x, s.y, s.width, s.height), source) << width << " x " << height;
        EXPECT_EQ(Rect(t.x, t.y, t.width, t.height), target) << width << " x " << height;
        EXPECT_EQ(layout->tiled, style == Style::Tile);
    }
}

TEST(WallpaperLayout, NoPictureOrScreenOrAPictureTooLargeHasNone) {
    const std::tuple<int, int, int, int, bool> cases[] = {
        {0, 100, 1280, 1024, false},     {100, 100, 1280, -5, false},
        {16385, 1, 1280, 1024, false},   {8193, 8192, 1280, 1024, false},
        {16384, 4096, 1280, 1024, true}, {8192, 8192, 1, 1, true},
    };
    for (const auto& [width, height, screenWidth, screenHeight, laidOut] : cases) {
        for (Style style : {Style::Centre, Style::Tile, Style::Stretch, Style::Fit, Style::Fill}) {
            EXPECT_EQ(LayOutWallpaper(style, width, height, screenWidth, screenHeight).has_value(),
                      laidOut)
                << width << " x " << height << " on " << screenWidth << " x " << screenHeight;
        }
    }
}

}  // namespace
