// The dialog's background gradient, the strip's places on the panel and the
// dialog's place on the screen.
#include "dialog_background.h"

#include <gtest/gtest.h>

namespace {

constexpr int kClientHeight = 246;

TEST(BackgroundGradient, DarkBlueAtTopAndBottomLightInTheMiddle) {
    const RowColour top = BackgroundRowColour(0, kClientHeight);
    EXPECT_EQ(top.red, 0);
    EXPECT_EQ(top.green, 0);
    EXPECT_EQ(top.blue, 30);

    const RowColour middle = BackgroundRowColour(kClientHeight / 2, kClientHeight);
    EXPECT_EQ(middle.red, 220);
    EXPECT_EQ(middle.green, 220);
    EXPECT_EQ(middle.blue, 250);

    // sin(246 / (246 / 3.142)) = sin(3.142) is a hair below zero.
    const RowColour bottom = BackgroundRowColour(kClientHeight, kClientHeight);
    EXPECT_EQ(bottom.red, 0);
    EXPECT_EQ(bottom.blue, 30);
}

TEST(BackgroundGradient, RisesToTheMiddleAndFallsAfter) {
    for (int y = 1; y <= kClientHeight / 2 - 3; ++y) {
        EXPECT_LE(BackgroundRowColour(y - 1, kClientHeight).red,
                  BackgroundRowColour(y, kClientHeight).red)
            << y;
    }
    for (int y = kClientHeight / 2 + 3; y <= kClientHeight; ++y) {
        EXPECT_GE(BackgroundRowColour(y - 1, kClientHeight).red,
                  BackgroundRowColour(y, kClientHeight).red)
            << y;
    }
    // Grey: blue stays 30 above red and green everywhere.
    for (int y = 0; y <= kClientHeight; ++y) {
        const RowColour row = BackgroundRowColour(y, kClientHeight);
        EXPECT_EQ(row.red, row.green);
        EXPECT_EQ(row.blue, row.red + 30);
    }
}

TEST(BackgroundGradient, RoundsToTheNearestLevel) {
    // |sin(8 / 78.294...)| x 220 is 22.44.
    const RowColour row = BackgroundRowColour(8, kClientHeight);
    EXPECT_EQ(row.red, 22);
}

TEST(TileStrip, CoversThePanelInTwoColumnsOfTenRows) {
    const std::vector<StripPlace> places = TileStripPlaces(469, 165, 556, 20);
    ASSERT_EQ(places.size(), 20u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(places[std::size_t(i)], (StripPlace{0, 20 * i}));
        EXPECT_EQ(places[std::size_t(10 + i)], (StripPlace{556, 20 * i}));
    }
}

TEST(TileStrip, GoesOnUntilACopyLiesPastEachEdge) {
    const std::vector<StripPlace> exact = TileStripPlaces(40, 40, 20, 20);
    // Rows 0, 20, 40, 60 (40 is not past 40), columns 0, 20, 40, 60.
    EXPECT_EQ(exact.size(), 16u);
    EXPECT_EQ(exact.back(), (StripPlace{60, 60}));

    // Even an empty target gets a copy past each edge.
    EXPECT_EQ(TileStripPlaces(0, 0, 20, 20).size(), 4u);
    EXPECT_TRUE(TileStripPlaces(469, 165, 0, 20).empty());
    EXPECT_TRUE(TileStripPlaces(469, 165, 556, -1).empty());
}

TEST(DialogPlacement, CentredAcrossWithAThirdOfTheFreeHeightAbove) {
    const DialogPosition place = PlaceDialog(1280, 1024, 500, 274);
    EXPECT_EQ(place.left, 390);
    EXPECT_EQ(place.top, 250);

    // Odd free lengths drop the half pixel.
    const DialogPosition odd = PlaceDialog(1281, 1025, 500, 274);
    EXPECT_EQ(odd.left, 390);
    EXPECT_EQ(odd.top, 250);
}

TEST(DialogPlacement, ADialogLargerThanTheScreenStartsAboveAndLeftOfIt) {
    const DialogPosition place = PlaceDialog(400, 200, 500, 274);
    EXPECT_EQ(place.left, -50);
    EXPECT_LT(place.top, 0);
}

}  // namespace
