// Where the frame pieces of a skin land on the button.
#include "frame_layout.h"

#include <gtest/gtest.h>

namespace {

FramePiece Piece(std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh, std::int16_t x,
                 std::int16_t y, std::int16_t w, std::int16_t h) {
    return FramePiece{sx, sy, sw, sh, x, y, w, h};
}

TEST(FrameLayout, DialogButtonOf1215By375Twips) {
    const auto layout = ComputeFrameLayout(1215, 375);
    ASSERT_TRUE(layout);
    const FrameLayout expected = {{
        Piece(0, 0, 60, 60, 1, 1, 60, 60),
        Piece(60, 1, 840, 60, 60, 1, 1095, 60),
        Piece(900, 1, 60, 60, 1155, 1, 60, 60),
        Piece(900, 60, 60, 255, 1155, 60, 60, 255),
        Piece(900, 315, 60, 60, 1155, 315, 60, 60),
        Piece(60, 315, 840, 60, 60, 315, 1095, 60),
        Piece(0, 315, 60, 60, 1, 315, 60, 60),
        Piece(1, 60, 60, 255, 1, 60, 60, 255),
    }};
    EXPECT_EQ(*layout, expected);
}

TEST(FrameLayout, NarrowButtonStretchesTheEdgesTo495Twips) {
    const auto layout = ComputeFrameLayout(615, 375);
    ASSERT_TRUE(layout);
    EXPECT_EQ((*layout)[1].width, 495);
    EXPECT_EQ((*layout)[5].width, 495);
    EXPECT_EQ((*layout)[2].x, 555);
}

TEST(FrameLayout, TallerButtonsStretchTheSides) {
    const auto layout = ComputeFrameLayout(1755, 420);
    ASSERT_TRUE(layout);
    EXPECT_EQ((*layout)[3].height, 300);
    EXPECT_EQ((*layout)[7].height, 300);
    EXPECT_EQ((*layout)[3].sourceHeight, 255);
    EXPECT_EQ((*layout)[4].y, 360);
}

TEST(FrameLayout, ButtonsSmallerThanTwoCornersGetNoEdges) {
    const auto layout = ComputeFrameLayout(90, 0);
    ASSERT_TRUE(layout);
    for (const FramePiece& piece : *layout) {
        EXPECT_GE(piece.width, 0);
        EXPECT_GE(piece.height, 0);
    }
    EXPECT_EQ((*layout)[1].width, 0);
    EXPECT_EQ((*layout)[3].height, 0);
}

TEST(FrameLayout, SizesMustFitSixteenBits) {
    EXPECT_TRUE(ComputeFrameLayout(32767, 32767));
    EXPECT_FALSE(ComputeFrameLayout(32768, 375));
    EXPECT_FALSE(ComputeFrameLayout(1215, 40000));
    EXPECT_FALSE(ComputeFrameLayout(-15, 375));
    const auto widest = ComputeFrameLayout(32767, 375);
    EXPECT_EQ((*widest)[1].width, 32647);
    EXPECT_EQ((*widest)[2].x, 32707);
}

TEST(CaptionPlace, SitsJustAboveTheMiddle) {
    EXPECT_EQ(CaptionTop(375, 195), 80);
    EXPECT_EQ(CaptionTop(420, 195), 102.5);
    EXPECT_EQ(CaptionTop(100, 195), -57.5);
}

TEST(FrameLayout, PiecesInPixels) {
    EXPECT_EQ(TwipsToPixels(1, 96), 0);
    EXPECT_EQ(TwipsToPixels(60, 96), 4);
    EXPECT_EQ(TwipsToPixels(255, 96), 17);
    EXPECT_EQ(TwipsToPixels(840, 96), 56);
    EXPECT_EQ(TwipsToPixels(1095, 96), 73);
    EXPECT_EQ(TwipsToPixels(495, 96), 33);
    EXPECT_EQ(TwipsToPixels(375, 96), 25);
    EXPECT_EQ(TwipsToPixels(60, 144), 6);
    EXPECT_EQ(TwipsToPixels(1215, 144), 122);
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
}

TEST(FrameLayout, ButtonsInTwips) {
    EXPECT_EQ(PixelsToTwips(25, 96), 375);
    EXPECT_EQ(PixelsToTwips(38, 144), 380);
    EXPECT_EQ(PixelsToTwips(161, 192), 1208);
    EXPECT_FALSE(PixelsToTwips(2185, 96));
    EXPECT_FALSE(PixelsToTwips(-1, 96));
    EXPECT_FALSE(PixelsToTwips(25, 0));
}

// Whatever the button's size, on Windows' usual scales the frame's far
// corners end on the button's last pixels and its near ones start at the
// first, so no gap and no cut corner shows.
TEST(FrameLayout, TheFrameMeetsTheEdgesAtEveryUsualDpi) {
    for (const int dpi : {96, 120, 144, 168, 192, 240}) {
        for (int pixels = 16; pixels < 400; ++pixels) {
            const auto twips = PixelsToTwips(pixels, dpi);
            ASSERT_TRUE(twips);
            const auto layout = ComputeFrameLayout(*twips, *twips);
            ASSERT_TRUE(layout);
            const FramePiece& far = (*layout)[4];
            EXPECT_EQ(TwipsToPixels(far.x, dpi) + TwipsToPixels(far.width, dpi), pixels)
                << pixels << " at " << dpi;
            EXPECT_EQ(TwipsToPixels(far.y, dpi) + TwipsToPixels(far.height, dpi), pixels)
                << pixels << " at " << dpi;
        }
    }
}

}  // namespace
