// The settings dialog's strip, radio pictures and hand cursor, read back from
// the very bytes the tool writes.
#include "dialog_art.h"
#include "snapshot_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

using Rgb = std::array<std::uint8_t, 3>;

constexpr std::size_t kBitDepthOffset = 28;

// A decoded bitmap read from the top left, as the dialog shows it.
class Picture {
  public:
    explicit Picture(const std::vector<std::uint8_t>& file) : file_(file) {
        decoded_ = DecodeSnapshotBitmap(file_.data(), file_.size(), pixels_);
    }

    bool Decoded() const { return decoded_; }
    int Width() const { return pixels_.width; }
    int Height() const { return pixels_.height; }
    int BitDepth() const { return file_[kBitDepthOffset] | file_[kBitDepthOffset + 1] << 8; }

    Rgb At(int x, int y) const {
        const std::size_t i =
            (std::size_t(Height() - 1 - y) * std::size_t(Width()) + std::size_t(x)) * 3;
        return {pixels_.rgb[i], pixels_.rgb[i + 1], pixels_.rgb[i + 2]};
    }

    // Mean absolute grey difference between the pixels at x, y and x + dx, y + dy
    // (wrapping), over the whole picture.
    double MeanStep(int dx, int dy) const {
        double sum = 0;
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) {
                sum += std::abs(At(x, y)[0] - At((x + dx) % Width(), (y + dy) % Height())[0]);
            }
        }
        return sum / (Width() * Height());
    }

    // Mean absolute grey difference between rows y and z.
    double RowStep(int y, int z) const {
        double sum = 0;
        for (int x = 0; x < Width(); ++x) sum += std::abs(At(x, y)[0] - At(x, z)[0]);
        return sum / Width();
    }

  private:
    std::vector<std::uint8_t> file_;
    BitmapPixels pixels_;
    bool decoded_ = false;
};

TEST(DialogStrip, IsA556By20TwentyFourBitBitmap) {
    const Picture strip(StripBitmap());
    ASSERT_TRUE(strip.Decoded());
    EXPECT_EQ(strip.Width(), 556);
    EXPECT_EQ(strip.Height(), 20);
    EXPECT_EQ(strip.BitDepth(), 24);
}

TEST(DialogStrip, IsLightGreyEverywhere) {
    const Picture strip(StripBitmap());
    ASSERT_TRUE(strip.Decoded());
    for (int y = 0; y < strip.Height(); ++y) {
        for (int x = 0; x < strip.Width(); ++x) {
            const Rgb pixel = strip.At(x, y);
            ASSERT_EQ(pixel[0], pixel[1]) << x << ", " << y;
            ASSERT_EQ(pixel[1], pixel[2]) << x << ", " << y;
            ASSERT_GE(pixel[0], 0xD8) << x << ", " << y;
            ASSERT_LE(pixel[0], 0xE8) << x << ", " << y;
        }
    }
}

TEST(DialogStrip, StreaksRunAlongTheRows) {
    const Picture strip(StripBitmap());
    ASSERT_TRUE(strip.Decoded());
    for (int y = 0; y + 1 < strip.Height(); ++y) {
        EXPECT_GT(strip.RowStep(y, y + 1), 0.0) << "rows " << y << " and " << y + 1;
    }
    EXPECT_GT(strip.MeanStep(1, 0), 0.0);
    EXPECT_LT(2 * strip.MeanStep(1, 0), strip.MeanStep(0, 1));
}

TEST(DialogStrip, BottomRowMeetsTheTopRowLikeAnyTwoNeighbours) {
    const Picture strip(StripBitmap());
    ASSERT_TRUE(strip.Decoded());
    double largest = 0;
    for (int y = 0; y + 1 < strip.Height(); ++y) {
        largest = std::max(largest, strip.RowStep(y, y + 1));
    }
    EXPECT_LE(strip.RowStep(strip.Height() - 1, 0), largest);
}

bool IsDark(const Rgb& pixel) {
    return *std::max_element(pixel.begin(), pixel.end()) < 0x80;
}

TEST(DialogRadio, BothAre12By12TwentyFourBitBitmaps) {
    for (const RadioPicture kind : {RadioPicture::NotChosen, RadioPicture::Chosen}) {
        const Picture radio(RadioBitmap(kind));
        ASSERT_TRUE(radio.Decoded());
        EXPECT_EQ(radio.Width(), 12);
        EXPECT_EQ(radio.Height(), 12);
        EXPECT_EQ(radio.BitDepth(), 24);
    }
}

TEST(DialogRadio, BothHaveTheSameDarkOnePixelBorder) {
    const Picture off(RadioBitmap(RadioPicture::NotChosen));
    const Picture on(RadioBitmap(RadioPicture::Chosen));
    ASSERT_TRUE(off.Decoded() && on.Decoded());
    for (int i = 0; i < 12; ++i) {
        for (const auto& [x, y] :
             {std::pair{i, 0}, std::pair{i, 11}, std::pair{0, i}, std::pair{11, i}}) {
            EXPECT_TRUE(IsDark(off.At(x, y))) << x << ", " << y;
            EXPECT_EQ(off.At(x, y), on.At(x, y)) << x << ", " << y;
        }
    }
}

TEST(DialogRadio, NotChosenIsLightInsideAndChosenBlue) {
    const Picture off(RadioBitmap(RadioPicture::NotChosen));
    const Picture on(RadioBitmap(RadioPicture::Chosen));
    ASSERT_TRUE(off.Decoded() && on.Decoded());
    for (int y = 1; y < 11; ++y) {
        for (int x = 1; x < 11; ++x) {
            const Rgb light = off.At(x, y);
            EXPECT_GE(*std::min_element(light.begin(), light.end()), 0xE0) << x << ", " << y;
            const Rgb blue = on.At(x, y);
            EXPECT_GE(blue[2], 0xA0) << x << ", " << y;
            EXPECT_GT(blue[2], blue[0] + 0x60) << x << ", " << y;
            EXPECT_GT(blue[2], blue[1] + 0x40) << x << ", " << y;
        }
    }
}

// The cursor file's fields, read little-endian at their offsets.
class Cursor {
  public:
    Cursor() : file_(HandCursorFile()) {}

    std::size_t Size() const { return file_.size(); }
    std::uint32_t U8(std::size_t at) const { return file_.at(at); }
    std::uint32_t U16(std::size_t at) const { return U8(at) | U8(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }

    // Bit x, y (from the top left) of the XOR mask, or with `andMask` of the
    // AND mask; both are stored bottom row first, 4 bytes a row.
    bool Bit(bool andMask, int x, int y) const {
        const std::size_t masks = U32(18) + 40 + 8;
        const std::size_t row = masks + (andMask ? 128 : 0) + std::size_t(31 - y) * 4;
        return (U8(row + std::size_t(x / 8)) >> (7 - x % 8) & 1) != 0;
    }
    bool Transparent(int x, int y) const { return Bit(true, x, y) && !Bit(false, x, y); }
    bool Black(int x, int y) const { return !Bit(true, x, y) && !Bit(false, x, y); }
    bool White(int x, int y) const { return !Bit(true, x, y) && Bit(false, x, y); }

  private:
    std::vector<std::uint8_t> file_;
};

TEST(HandCursor, DirectoryHoldsOne32By32CursorWithItsHotSpot) {
    const Cursor cursor;
    EXPECT_EQ(cursor.U16(0), 0u);
    EXPECT_EQ(cursor.U16(2), 2u);
    EXPECT_EQ(cursor.U16(4), 1u);
    EXPECT_EQ(cursor.U8(6), 32u);
    EXPECT_EQ(cursor.U8(7), 32u);
    EXPECT_EQ(cursor.U16(10), 12u);
    EXPECT_EQ(cursor.U16(12), 10u);
    EXPECT_EQ(cursor.U32(18), 22u);
    EXPECT_EQ(cursor.U32(18) + cursor.U32(14), cursor.Size());
}

TEST(HandCursor, ImageIsMonochromeWithBlackAndWhiteAndBothMasks) {
    const Cursor cursor;
    const std::size_t image = cursor.U32(18);
    EXPECT_EQ(cursor.U32(image), 40u);
    EXPECT_EQ(cursor.U32(image + 4), 32u);
    EXPECT_EQ(cursor.U32(image + 8), 64u);
    EXPECT_EQ(cursor.U16(image + 12), 1u);
    EXPECT_EQ(cursor.U16(image + 14), 1u);
    EXPECT_EQ(cursor.U32(image + 16), 0u);
    EXPECT_EQ(cursor.U32(image + 40), 0x000000u);
    EXPECT_EQ(cursor.U32(image + 44), 0xFFFFFFu);
    EXPECT_EQ(cursor.U32(14), 40u + 8u + 128u + 128u);
}

TEST(HandCursor, HotSpotIsTheTopOfTheFingertip) {
    const Cursor cursor;
    EXPECT_TRUE(cursor.Black(12, 10));
    EXPECT_TRUE(cursor.White(12, 11));
    for (int y = 0; y < 10; ++y) EXPECT_TRUE(cursor.Transparent(12, y)) << y;
}

TEST(HandCursor, WhiteInsideIsClosedByTheBlackOutline) {
    const Cursor cursor;
    int white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_FALSE(cursor.Bit(true, x, y) && cursor.Bit(false, x, y))
                << "no inverted pixels: " << x << ", " << y;
            if (!cursor.White(x, y)) continue;
            ++white;
            ASSERT_TRUE(x > 0 && y > 0 && x < 31 && y < 31) << x << ", " << y;
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, std::pair{x + 1, y},
                                         std::pair{x, y - 1}, std::pair{x, y + 1}}) {
                EXPECT_FALSE(cursor.Transparent(nx, ny)) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(white, 100);
}

}  // namespace
