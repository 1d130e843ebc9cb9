#include "desktop_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

using Rgb = std::array<std::uint8_t, 3>;

// Pixel at column x of the row that is y rows from the top of the picture.
Rgb PixelAt(const std::vector<std::uint8_t>& rgb, std::int32_t width, std::int32_t height,
            std::int32_t x, std::int32_t y) {
    const std::size_t i = (std::size_t(height - 1 - y) * std::size_t(width) + std::size_t(x)) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

TEST(SampleDesktopSize, HoldsThreeBytesForEveryPixel) {
    EXPECT_EQ(PaintSampleDesktop(512, 512).size(), 512u * 512u * 3u);
    EXPECT_EQ(PaintSampleDesktop(640, 480).size(), 640u * 480u * 3u);
}

TEST(SampleDesktopSize, TinyAndOddSizesArePaintedWithinBounds) {
    EXPECT_EQ(PaintSampleDesktop(1, 1).size(), 3u);
    EXPECT_EQ(PaintSampleDesktop(3, 5).size(), 45u);
    EXPECT_EQ(PaintSampleDesktop(513, 7).size(), 513u * 7u * 3u);
}

TEST(SampleDesktopSize, NoSizeGivesNoPixels) {
    EXPECT_TRUE(PaintSampleDesktop(0, 512).empty());
    EXPECT_TRUE(PaintSampleDesktop(512, 0).empty());
}

TEST(SampleDesktopLook, TaskBarLiesAlongTheBottomRowAsStoredFirst) {
    const auto rgb = PaintSampleDesktop(512, 512);
    const Rgb taskBar = {192, 192, 192};
    EXPECT_EQ((Rgb{rgb[200 * 3], rgb[200 * 3 + 1], rgb[200 * 3 + 2]}), taskBar);
}

TEST(SampleDesktopLook, BackgroundIsDarkerAtTheTopThanAboveTheTaskBar) {
    const auto rgb = PaintSampleDesktop(512, 512);
    const Rgb top = PixelAt(rgb, 512, 512, 500, 0);
    const Rgb low = PixelAt(rgb, 512, 512, 500, 470);
    EXPECT_LT(top[1], low[1]);
}

TEST(SampleDesktopLook, ShowsManyColoursNotAPlainFill) {
    const auto rgb = PaintSampleDesktop(512, 512);
    std::set<Rgb> colours;
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        colours.insert({rgb[i], rgb[i + 1], rgb[i + 2]});
    EXPECT_GE(colours.size(), 20u);
}

TEST(SampleDesktopLook, SameSizeGivesTheSamePicture) {
    EXPECT_EQ(PaintSampleDesktop(512, 512), PaintSampleDesktop(512, 512));
}

}  // namespace
