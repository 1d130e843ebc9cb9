// The six skins against their colour table.
#include "command_skins.h"
#include "snapshot_bitmap.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMiddleX = 30;

TEST(CommandSkins, NormalFamilyShareTheBeigeRingAndBlueBorder) {
    for (const CommandSkin skin : {CommandSkin::Normal, CommandSkin::HighLight,
                                   CommandSkin::Selected, CommandSkin::HighLightSelect}) {
        SCOPED_TRACE(std::string(CommandSkinName(skin)));
        EXPECT_EQ(CommandSkinPixel(skin, kMiddleX, 0), 0xE0DCC9u);
        EXPECT_EQ(CommandSkinPixel(skin, kMiddleX, 24), 0xF8F7F0u);
        EXPECT_EQ(CommandSkinPixel(skin, kMiddleX, 1), 0x003C74u);
        EXPECT_EQ(CommandSkinPixel(skin, kMiddleX, 23), 0x003C74u);
        EXPECT_EQ(CommandSkinPixel(skin, 1, 12), 0x003C74u);
        EXPECT_EQ(CommandSkinPixel(skin, 62, 12), 0x003C74u);
    }
}

TEST(CommandSkins, BorderCornersAreRounded) {
    EXPECT_NE(CommandSkinPixel(CommandSkin::Normal, 1, 1), 0x003C74u);
    EXPECT_NE(CommandSkinPixel(CommandSkin::Normal, 62, 23), 0x003C74u);
}

TEST(CommandSkins, NormalInnerRing) {
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Normal, kMiddleX, 2), 0xF3F3EEu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Normal, kMiddleX, 3), 0xF3F3EEu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Normal, 2, 4),
              CommandSkinPixel(CommandSkin::Normal, 3, 4));
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Normal, kMiddleX, 21), 0xE2DFD6u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Normal, kMiddleX, 22), 0xD6D0C5u);
}

TEST(CommandSkins, HighLightIsOrangeAndHighLightSelectTheSameBitmap) {
    EXPECT_EQ(CommandSkinPixel(CommandSkin::HighLight, kMiddleX, 2), 0xFFF0CFu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::HighLight, kMiddleX, 3), 0xFDD889u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::HighLight, kMiddleX, 21), 0xF8B330u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::HighLight, kMiddleX, 22), 0xE59700u);
    EXPECT_EQ(CommandSkinBitmap(CommandSkin::HighLight),
              CommandSkinBitmap(CommandSkin::HighLightSelect));
}

TEST(CommandSkins, SelectedIsBlue) {
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Selected, kMiddleX, 2), 0xCEE7FFu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Selected, kMiddleX, 22), 0x6982EEu);
}

TEST(CommandSkins, SidesFadeFromTopToBottom) {
    const auto green = [](std::uint32_t colour) { return (colour >> 8) & 0xFF; };
    EXPECT_GT(green(CommandSkinPixel(CommandSkin::HighLight, 2, 4)),
              green(CommandSkinPixel(CommandSkin::HighLight, 2, 20)));
    EXPECT_GT(green(CommandSkinPixel(CommandSkin::Selected, 3, 4)),
              green(CommandSkinPixel(CommandSkin::Selected, 3, 20)));
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Selected, 61, 12),
              CommandSkinPixel(CommandSkin::Selected, 2, 12));
    EXPECT_NE(CommandSkinPixel(CommandSkin::Normal, 2, 12),
              CommandSkinPixel(CommandSkin::Normal, 61, 12));
}

TEST(CommandSkins, PressedSitsOnePixelFurtherIn) {
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Pressed, kMiddleX, 0), 0xECE9D8u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Pressed, kMiddleX, 1), 0xE0DCC9u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Pressed, kMiddleX, 23), 0xF8F7F0u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Pressed, kMiddleX, 2), 0x003C74u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Pressed, 2, 12), 0x003C74u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Pressed, 61, 12), 0x003C74u);
    const std::uint32_t topLeftShadow = CommandSkinPixel(CommandSkin::Pressed, 10, 3);
    const std::uint32_t bottomShadow = CommandSkinPixel(CommandSkin::Pressed, 55, 21);
    EXPECT_LT(topLeftShadow >> 16, bottomShadow >> 16);
}

TEST(CommandSkins, DisableIsFlatGrey) {
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Disable, kMiddleX, 0), 0xECE9D8u);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Disable, kMiddleX, 1), 0xC9C7BAu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Disable, kMiddleX, 2), 0xF5F4EAu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Disable, 62, 12), 0xC9C7BAu);
    EXPECT_EQ(CommandSkinPixel(CommandSkin::Disable, 60, 20), 0xF5F4EAu);
}

TEST(CommandSkins, BitmapsAre64By25TwentyFourBit) {
    for (const CommandSkin skin : kCommandSkins) {
        const std::vector<std::uint8_t> file = CommandSkinBitmap(skin);
        BitmapPixels pixels;
        ASSERT_TRUE(DecodeSnapshotBitmap(file.data(), file.size(), pixels));
        EXPECT_EQ(pixels.width, 64);
        EXPECT_EQ(pixels.height, 25);
        // Bottom row first: the top-left pixel is in the last stored row.
        const std::uint8_t* topLeft = &pixels.rgb[24 * 64 * 3];
        const std::uint32_t colour = CommandSkinPixel(skin, 0, 0);
        EXPECT_EQ(topLeft[0], colour >> 16);
        EXPECT_EQ(topLeft[1], (colour >> 8) & 0xFF);
        EXPECT_EQ(topLeft[2], colour & 0xFF);
    }
}

}  // namespace
