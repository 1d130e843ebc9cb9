#include "dialog_art.h"

#include "snapshot_bitmap.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

// A 32-bit integer mixer (lowbias32): neighbouring inputs give unrelated
// outputs, which is all the texture needs, and unlike rand() it is the same
// on every platform.
std::uint32_t Scatter(std::uint32_t v) {
    v ^= v >> 16;
    v *= 0x7FEB352Du;
    v ^= v >> 15;
    v *= 0x846CA68Bu;
    v ^= v >> 16;
    return v;
}

// A uniform whole number from -spread to spread for the given input.
int Jitter(std::uint32_t input, int spread) {
    return static_cast<int>(Scatter(input) % static_cast<std::uint32_t>(2 * spread + 1)) - spread;
}

constexpr int kStripDarkest = 0xD8;
constexpr int kStripLightest = 0xE8;
constexpr int kStripMiddle = (kStripDarkest + kStripLightest) / 2;
constexpr int kStreakLength = 24;

// Seeds keep the three kinds of variation apart.
constexpr std::uint32_t kRowSeed = 0x10000u;
constexpr std::uint32_t kStreakSeed = 0x20000u;
constexpr std::uint32_t kGrainSeed = 0x40000u;

std::uint32_t StripIndex(int x, int y) {
    return static_cast<std::uint32_t>(y * kStripWidth + x);
}

// NOTE: each row's own level and its long streaks are independent of the
// rows around it, and the streaks are averaged with wrap-around, so the
// strip's last row meets its first (and its last column its first) like any
// two neighbours do: tiling shows no seam.
int StripGrey(int x, int y) {
    const int rowLevel = Jitter(kRowSeed + static_cast<std::uint32_t>(y), 3);
    int streak = 0;
    for (int i = 0; i < kStreakLength; ++i) {
        streak += Jitter(kStreakSeed + StripIndex((x + i) % kStripWidth, y), 4);
    }
    const int grain = Jitter(kGrainSeed + StripIndex(x, y), 1);
    const int grey = kStripMiddle + rowLevel + streak / 6 + grain;
    return std::clamp(grey, kStripDarkest, kStripLightest);
}

// A complete 24-bit bitmap of width x height pixels, each 0xRRGGBB from
// `colour` (x, y counted from the top left).
template <typename Colour>
std::vector<std::uint8_t> PaintBitmap(int width, int height, Colour colour) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            rgb.push_back(static_cast<std::uint8_t>(c >> 16));
            rgb.push_back(static_cast<std::uint8_t>(c >> 8));
            rgb.push_back(static_cast<std::uint8_t>(c));
        }
    }
    return EncodeSnapshotBitmap(width, height, rgb.data());
}

constexpr std::uint32_t kRadioBorder = 0x404040;
constexpr std::uint32_t kRadioLight = 0xF8F8F8;
constexpr std::uint32_t kRadioBlue = 0x2858D0;

// The hand, one character per pixel from the top left: '#' black, 'o'
// white, '.' the screen showing through. The top of the fingertip is the
// hot spot.
// clang-format off
constexpr std::string_view kHand[kHandCursorSize] = {
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "...........###..................",
    "..........#ooo#.................",
    "..........#ooo#.................",
    "..........#ooo#.................",
    "..........#ooo#.................",
    "..........#ooo#.................",
    "..........#ooo####..............",
    "..........#ooo#ooo####..........",
    "..........#ooo#ooo#ooo###.......",
    "..........#ooo#ooo#ooo#oo#......",
    "...###....#ooo#ooo#ooo#oo#......",
    "..#ooo#...#oooooooooooooo#......",
    "..#oooo#..#oooooooooooooo#......",
    "...#oooo#.#oooooooooooooo#......",
    "....#oooo##oooooooooooooo#......",
    ".....#ooooooooooooooooooo#......",
    "......#oooooooooooooooooo#......",
    ".......#oooooooooooooooo#.......",
    "........#ooooooooooooooo#.......",
    ".........#ooooooooooooo#........",
    "..........#oooooooooooo#........",
    "..........##############........",
};
// clang-format on

constexpr bool HandIsWellFormed() {
    for (const std::string_view row : kHand) {
        if (row.size() != static_cast<std::size_t>(kHandCursorSize)) return false;
        for (const char c : row) {
            if (c != '#' && c != 'o' && c != '.') return false;
        }
    }
    return kHand[kHandHotSpotY][kHandHotSpotX] == '#';
}
static_assert(HandIsWellFormed(),
              "the hand must be 32 x 32 of '#', 'o', '.', with its hot spot on the outline");

constexpr std::size_t kCursorDirectorySize = 6 + 16;
constexpr std::size_t kCursorHeaderSize = 40;
constexpr std::size_t kCursorPaletteSize = 2 * 4;
constexpr std::size_t kCursorMaskSize = kHandCursorSize * kHandCursorSize / 8;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

// One mask, bottom row first, leftmost pixel in the top bit: a bit is set
// where `set` says so of the hand's character.
template <typename Set>
void PutMask(std::vector<std::uint8_t>& out, Set set) {
    for (int y = kHandCursorSize - 1; y >= 0; --y) {
        for (int x = 0; x < kHandCursorSize; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (set(kHand[y][x + bit])) bits |= static_cast<std::uint8_t>(0x80 >> bit);
            }
            out.push_back(bits);
        }
    }
}

}  // namespace

std::vector<std::uint8_t> StripBitmap() {
    return PaintBitmap(kStripWidth, kStripHeight, [](int x, int y) {
        return static_cast<std::uint32_t>(StripGrey(x, y)) * 0x010101u;
    });
}

std::vector<std::uint8_t> RadioBitmap(RadioPicture picture) {
    const std::uint32_t inside = picture == RadioPicture::Chosen ? kRadioBlue : kRadioLight;
    return PaintBitmap(kRadioSize, kRadioSize, [inside](int x, int y) {
        const bool edge = x == 0 || y == 0 || x == kRadioSize - 1 || y == kRadioSize - 1;
        return edge ? kRadioBorder : inside;
    });
}

// NOTE: in a cursor file the directory entry's planes and bit-count fields
// carry the hot spot, and the bitmap's height counts both masks.
std::vector<std::uint8_t> HandCursorFile() {
    std::vector<std::uint8_t> file;
    constexpr std::uint32_t imageSize =
        kCursorHeaderSize + kCursorPaletteSize + 2 * kCursorMaskSize;
    PutU16(file, 0);
    PutU16(file, 2);
    PutU16(file, 1);

    file.push_back(kHandCursorSize);
    file.push_back(kHandCursorSize);
    file.push_back(2);
    file.push_back(0);
    PutU16(file, kHandHotSpotX);
    PutU16(file, kHandHotSpotY);
    PutU32(file, imageSize);
    PutU32(file, kCursorDirectorySize);

    PutU32(file, kCursorHeaderSize);
    PutU32(file, kHandCursorSize);
    PutU32(file, 2 * kHandCursorSize);
    PutU16(file, 1);
    PutU16(file, 1);
    PutU32(file, 0);
    PutU32(file, 2 * kCursorMaskSize);
    PutU32(file, 0);
    PutU32(file, 0);
    PutU32(file, 2);
    PutU32(file, 0);

    PutU32(file, 0x000000);
    PutU32(file, 0xFFFFFF);

    // Black is AND 0, XOR 0; white AND 0, XOR 1; the screen AND 1, XOR 0.
    PutMask(file, [](char c) { return c == 'o'; });
    PutMask(file, [](char c) { return c == '.'; });
    return file;
}
