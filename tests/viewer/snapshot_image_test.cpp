#include "snapshot_bitmap.h"
#include "snapshot_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class SnapshotFile : public ::testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }

    void Write(const Bytes& bytes) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    // A picture whose bottom row is red and whose every other row is blue.
    void WriteRedBottomBlueTop(int width, int height) {
        Bytes rgb(std::size_t(width) * height * 3, 0);
        for (int i = 0; i < width * height; ++i) rgb[3 * i + (i < width ? 0 : 2)] = 255;
        Write(EncodeSnapshotBitmap(width, height, rgb.data()));
    }

    const std::string path = ::testing::TempDir() + "tesselune_snapshot_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".bmp";
    SnapshotImage picture;
};

}  // namespace

TEST_F(SnapshotFile, MissingFileLetsTheViewerRunWithoutAPicture) {
    EXPECT_EQ(LoadSnapshot(picture, path.c_str()), 0);
    EXPECT_EQ(picture.width, 0);
    EXPECT_EQ(picture.height, 0);
    EXPECT_EQ(picture.rgbPixels, nullptr);
    EXPECT_EQ(picture.rgbaPixels, nullptr);
    EXPECT_EQ(picture.textureName, 0xFFFFFFFFu);
}

TEST_F(SnapshotFile, BottomRowComesFirstSoItLandsAtTextureEdgeZero) {
    WriteRedBottomBlueTop(512, 512);
    ASSERT_EQ(LoadSnapshot(picture, path.c_str()), 0);
    ASSERT_EQ(picture.width, 512);
    ASSERT_EQ(picture.height, 512);

    const float* first = picture.rgbaPixels.get();
    const float* last = first + (512 * 512 - 1) * 4;
    EXPECT_EQ(std::vector<float>(first, first + 4), (std::vector<float>{1, 0, 0, 1}));
    EXPECT_EQ(std::vector<float>(last, last + 4), (std::vector<float>{0, 0, 1, 1}));
    EXPECT_EQ(picture.rgbPixels[0], 255);
    EXPECT_EQ(picture.rgbPixels[512 * 512 * 3 - 1], 255);
}

TEST_F(SnapshotFile, PaddedWidthsAreReadRowByRow) {
    for (int width : {3, 5}) {
        WriteRedBottomBlueTop(width, 4);
        SnapshotImage image;
        ASSERT_EQ(LoadSnapshot(image, path.c_str()), 0) << width;
        for (int column = 0; column < width; ++column) {
            EXPECT_EQ(image.rgbaPixels[4 * column], 1.0f) << width;
            EXPECT_EQ(image.rgbaPixels[4 * (width + column) + 2], 1.0f) << width;
        }
    }
}

TEST_F(SnapshotFile, WrongKindsEndTheStartAndLeaveThePictureEmpty) {
    const Bytes rgb(4 * 4 * 3, 9);
    Bytes eightBit = EncodeSnapshotBitmap(4, 4, rgb.data());
    eightBit[28] = 8;
    Bytes thirtyTwoBit = EncodeSnapshotBitmap(4, 4, rgb.data());
    thirtyTwoBit[28] = 32;
    Bytes compressed = EncodeSnapshotBitmap(4, 4, rgb.data());
    compressed[30] = 1;
    Bytes truncated = EncodeSnapshotBitmap(4, 4, rgb.data());
    truncated.resize(truncated.size() - 1);
    Bytes empty;

    for (const Bytes* file : {&eightBit, &thirtyTwoBit, &compressed, &truncated, &empty}) {
        Write(*file);
        EXPECT_EQ(LoadSnapshot(picture, path.c_str()), 1) << file->size();
        EXPECT_EQ(picture.width, 0);
        EXPECT_EQ(picture.rgbPixels, nullptr);
        EXPECT_EQ(picture.rgbaPixels, nullptr);
    }
}

TEST(FloatImage, UsesTheSinglePrecisionConstantNearestToOneOver255) {
    std::uint32_t bits;
    std::memcpy(&bits, &kByteToUnit, sizeof bits);
    EXPECT_EQ(bits, 0x3B808081u);
}

TEST(FloatImage, ScalesEveryChannelAndMakesEveryTexelOpaque) {
    SnapshotImage picture;
    picture.width = 3;
    picture.height = 1;
    picture.rgbPixels.reset(new std::uint8_t[9]{0, 128, 255, 1, 2, 3, 254, 100, 51});
    ASSERT_EQ(BuildFloatImage(picture), 0);

    const float* rgba = picture.rgbaPixels.get();
    EXPECT_EQ(rgba[0], 0.0f);
    EXPECT_EQ(rgba[1], 128 * kByteToUnit);
    EXPECT_EQ(rgba[2], 1.0f);
    EXPECT_EQ(rgba[4], kByteToUnit);
    EXPECT_EQ(rgba[10], 51 * kByteToUnit);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rgba[4 * i + 3], 1.0f);
}
