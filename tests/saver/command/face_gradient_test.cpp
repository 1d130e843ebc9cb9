// The face's gradient colours, corners and rectangle.
#include "face_gradient.h"

#include <gtest/gtest.h>

namespace {

void ExpectColour(const VertexColour& colour, std::uint16_t red, std::uint16_t green,
                  std::uint16_t blue) {
    EXPECT_EQ(colour.red, red);
    EXPECT_EQ(colour.green, green);
    EXPECT_EQ(colour.blue, blue);
    EXPECT_EQ(colour.alpha, 0);
}

TEST(GradientColour, ConstantsBecomeSixteenBitChannels) {
    ExpectColour(*GradientColour(kLightGradientColour), 0xFF00, 0xFF00, 0xFF00);
    ExpectColour(*GradientColour(kDarkGradientColour), 0xC600, 0xC500, 0xD700);
}

TEST(GradientColour, FirstDigitsAreRed) {
    ExpectColour(*GradientColour("&H123456"), 0x1200, 0x3400, 0x5600);
}

TEST(GradientColour, ShortConstantsAreLedByZeros) {
    ExpectColour(*GradientColour("&H0000FF"), 0, 0, 0xFF00);
    ExpectColour(*GradientColour("255"), 0, 0, 0xFF00);
}

TEST(GradientColour, NonColoursGiveNothing) {
    EXPECT_FALSE(GradientColour("&H1000000"));
    EXPECT_FALSE(GradientColour("-1"));
    EXPECT_FALSE(GradientColour("white"));
    EXPECT_FALSE(GradientColour("1.5"));
}

TEST(FaceGradient, LightAtTheTopUnlessInverted) {
    const FaceGradient normal = ComputeFaceGradient(false, 81, 25);
    ExpectColour(normal.GradientVertices[0].colour, 0xFF00, 0xFF00, 0xFF00);
    ExpectColour(normal.GradientVertices[1].colour, 0xC600, 0xC500, 0xD700);
    const FaceGradient inverted = ComputeFaceGradient(true, 81, 25);
    ExpectColour(inverted.GradientVertices[0].colour, 0xC600, 0xC500, 0xD700);
    ExpectColour(inverted.GradientVertices[1].colour, 0xFF00, 0xFF00, 0xFF00);
}

TEST(FaceGradient, CornersSpanTheFaceAndTheRectangleRunsFromVertexOneToZero) {
    const FaceGradient gradient = ComputeFaceGradient(false, 81, 25);
    EXPECT_EQ(gradient.GradientVertices[0].x, 0);
    EXPECT_EQ(gradient.GradientVertices[0].y, 0);
    EXPECT_EQ(gradient.GradientVertices[1].x, 80);
    EXPECT_EQ(gradient.GradientVertices[1].y, 24);
    EXPECT_EQ(gradient.GradientRect.UpperLeft, 1u);
    EXPECT_EQ(gradient.GradientRect.LowerRight, 0u);
}

}  // namespace
