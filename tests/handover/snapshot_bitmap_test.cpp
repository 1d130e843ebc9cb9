#include "snapshot_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& file, std::size_t offset) {
    return file[offset] | file[offset + 1] << 8 | file[offset + 2] << 16 |
           std::uint32_t(file[offset + 3]) << 24;
}

void PutU32At(Bytes& file, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = std::uint8_t(value >> (8 * i));
}

// Pixels whose every byte differs, so a swapped channel or a skipped row shows.
Bytes CountingPixels(int width, int height) {
    Bytes rgb(std::size_t(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = std::uint8_t(i * 7 + 1);
    return rgb;
}

bool Decodes(const Bytes& file) {
    BitmapPixels pixels;
    return DecodeSnapshotBitmap(file.data(), file.size(), pixels);
}

}  // namespace

TEST(SnapshotBitmapFormat, StrideIsThreeBytesAPixelPaddedToFour) {
    EXPECT_EQ(BitmapStride(1), 4u);
    EXPECT_EQ(BitmapStride(3), 12u);
    EXPECT_EQ(BitmapStride(4), 12u);
    EXPECT_EQ(BitmapStride(5), 16u);
    EXPECT_EQ(BitmapStride(512), 1536u);
}

TEST(SnapshotBitmapFormat, TheSaversPictureIsTheKnownFileExactly) {
    const Bytes rgb = CountingPixels(512, 512);
    const Bytes file = EncodeSnapshotBitmap(512, 512, rgb.data());

    ASSERT_EQ(file.size(), 786486u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32At(file, 2), 786486u);
    EXPECT_EQ(U32At(file, 6), 0u);
    EXPECT_EQ(U32At(file, 10), 54u);
    EXPECT_EQ(U32At(file, 14), 40u);
    EXPECT_EQ(U32At(file, 18), 512u);
    EXPECT_EQ(U32At(file, 22), 512u);
    EXPECT_EQ(file[26] | file[27] << 8, 1);
    EXPECT_EQ(file[28] | file[29] << 8, 24);
    EXPECT_EQ(U32At(file, 30), 0u);
    EXPECT_EQ(U32At(file, 34), 786432u);
    EXPECT_EQ(U32At(file, 46), 0u);
    EXPECT_EQ(U32At(file, 50), 0u);
}

TEST(SnapshotBitmapFormat, PixelsAreStoredBlueGreenRedBottomRowFirst) {
    // Two rows of one pixel: bottom red, top blue.
    const Bytes rgb = {255, 0, 0, 0, 0, 255};
    const Bytes file = EncodeSnapshotBitmap(1, 2, rgb.data());
    ASSERT_EQ(file.size(), 54u + 2 * 4);
    EXPECT_EQ(Bytes(file.begin() + 54, file.end()), (Bytes{0, 0, 255, 0, 255, 0, 0, 0}));
}

TEST(SnapshotBitmapFormat, RowsAsADibSectionKeepsThemMakeTheSameFileWithZeroPadding) {
    // Width 3: 9 pixel bytes and 3 padding bytes a row; padding is poisoned.
    Bytes rows = CountingPixels(4, 2);
    Bytes rgb;
    for (std::size_t row = 0; row < 2; ++row) {
        for (std::size_t k = 9; k < 12; ++k) rows[row * 12 + k] = 0xEE;
        for (std::size_t pixel = row * 12; pixel < row * 12 + 9; pixel += 3) {
            rgb.insert(rgb.end(), {rows[pixel + 2], rows[pixel + 1], rows[pixel]});
        }
    }
    EXPECT_EQ(EncodeSnapshotBitmapRows(3, 2, rows.data()), EncodeSnapshotBitmap(3, 2, rgb.data()));
}

TEST(SnapshotBitmapReading, GivesBackWhatWasWrittenForPaddedWidths) {
    for (int width : {1, 2, 3, 4, 5, 7, 512}) {
        const Bytes rgb = CountingPixels(width, 3);
        const Bytes file = EncodeSnapshotBitmap(width, 3, rgb.data());
        BitmapPixels pixels;
        ASSERT_TRUE(DecodeSnapshotBitmap(file.data(), file.size(), pixels)) << width;
        EXPECT_EQ(pixels.width, width);
        EXPECT_EQ(pixels.height, 3);
        EXPECT_EQ(Bytes(pixels.rgb.get(), pixels.rgb.get() + rgb.size()), rgb) << width;
    }
}

TEST(SnapshotBitmapReading, SkipsThePaddingOfEveryRow) {
    // Width 3: 9 pixel bytes and 3 padding bytes a row; padding is poisoned.
    const Bytes rgb = CountingPixels(3, 2);
    Bytes file = EncodeSnapshotBitmap(3, 2, rgb.data());
    for (std::size_t row = 0; row < 2; ++row) {
        for (std::size_t k = 9; k < 12; ++k) file[54 + row * 12 + k] = 0xEE;
    }
    BitmapPixels pixels;
    ASSERT_TRUE(DecodeSnapshotBitmap(file.data(), file.size(), pixels));
    EXPECT_EQ(Bytes(pixels.rgb.get(), pixels.rgb.get() + rgb.size()), rgb);
}

TEST(SnapshotBitmapReading, TakesPixelsFromOffset54WhateverTheHeaderSays) {
    const Bytes rgb = CountingPixels(4, 4);
    Bytes file = EncodeSnapshotBitmap(4, 4, rgb.data());
    PutU32At(file, 10, 1078);
    file[0] = 'X';
    PutU32At(file, 14, 124);
    BitmapPixels pixels;
    ASSERT_TRUE(DecodeSnapshotBitmap(file.data(), file.size(), pixels));
    EXPECT_EQ(Bytes(pixels.rgb.get(), pixels.rgb.get() + rgb.size()), rgb);
}

TEST(SnapshotBitmapReading, AcceptsTrailingBytesAndAnEmptyPicture) {
    const Bytes rgb = CountingPixels(2, 2);
    Bytes file = EncodeSnapshotBitmap(2, 2, rgb.data());
    file.resize(file.size() + 100, 0x55);
    EXPECT_TRUE(Decodes(file));

    const Bytes noRows = EncodeSnapshotBitmap(8, 0, nullptr);
    BitmapPixels pixels;
    ASSERT_TRUE(DecodeSnapshotBitmap(noRows.data(), noRows.size(), pixels));
    EXPECT_EQ(pixels.width, 8);
    EXPECT_EQ(pixels.height, 0);
}

class SnapshotBitmapRejection : public ::testing::Test {
  protected:
    Bytes rgb = CountingPixels(4, 4);
    Bytes file = EncodeSnapshotBitmap(4, 4, rgb.data());
};

TEST_F(SnapshotBitmapRejection, OtherBitDepths) {
    for (std::uint8_t depth : {1, 4, 8, 16, 32}) {
        file[28] = depth;
        EXPECT_FALSE(Decodes(file)) << int(depth);
    }
}

TEST_F(SnapshotBitmapRejection, AnyCompression) {
    for (std::uint32_t compression : {1u, 2u, 3u, 0x01000000u}) {
        PutU32At(file, 30, compression);
        EXPECT_FALSE(Decodes(file)) << compression;
    }
}

TEST_F(SnapshotBitmapRejection, AFileShorterThanItsHeader) {
    for (std::size_t size : {0, 1, 29, 53}) {
        EXPECT_FALSE(Decodes(Bytes(file.begin(), file.begin() + size))) << size;
    }
}

TEST_F(SnapshotBitmapRejection, AFileShorterThanItsPixelRows) {
    file.pop_back();
    EXPECT_FALSE(Decodes(file));
    file.resize(54);
    EXPECT_FALSE(Decodes(file));
}

TEST_F(SnapshotBitmapRejection, ANegativeTopDownHeight) {
    PutU32At(file, 22, std::uint32_t(-4));
    EXPECT_FALSE(Decodes(file));
}

TEST_F(SnapshotBitmapRejection, AZeroOrNegativeWidth) {
    for (std::int32_t width : {0, -1, -4, INT32_MIN}) {
        PutU32At(file, 18, std::uint32_t(width));
        EXPECT_FALSE(Decodes(file)) << width;
    }
}

TEST_F(SnapshotBitmapRejection, SizesWhoseByteCountsDoNotFit) {
    // 16 bytes a pixel for the float copy: more than 2^28 pixels cannot be
    // held by a 32-bit process, whatever the file's length claims.
    const std::pair<std::uint32_t, std::uint32_t> sizes[] = {
        {0x7FFFFFFF, 0x7FFFFFFF}, {0x10000, 0x10000}, {0x4001, 0x4000}, {1, 0x10000001}};
    for (const auto& [width, height] : sizes) {
        PutU32At(file, 18, width);
        PutU32At(file, 22, height);
        EXPECT_FALSE(Decodes(file)) << width << " x " << height;
    }
}

TEST_F(SnapshotBitmapRejection, LeavesTheOutputUntouched) {
    BitmapPixels pixels;
    pixels.width = 7;
    file[28] = 8;
    EXPECT_FALSE(DecodeSnapshotBitmap(file.data(), file.size(), pixels));
    EXPECT_EQ(pixels.width, 7);
    EXPECT_EQ(pixels.rgb, nullptr);
}
