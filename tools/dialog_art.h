// The settings dialog's pictures: the strip that textures the music panel,
// the two radio pictures and the home-page label's pointing hand. Everything
// is integer arithmetic, so the files come out byte for byte the same on
// every platform and compiler.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kStripWidth = 556;
constexpr int kStripHeight = 20;
constexpr int kRadioSize = 12;
constexpr int kHandCursorSize = 32;
constexpr int kHandHotSpotX = 12;
constexpr int kHandHotSpotY = 10;

enum class RadioPicture { NotChosen, Chosen };

// The strip: brushed light grey, 556 x 20, 24-bit bitmap file.
std::vector<std::uint8_t> StripBitmap();

// A radio picture: a dark-edged square box, empty and light when not chosen,
// filled with blue when chosen; 12 x 12, 24-bit bitmap file.
std::vector<std::uint8_t> RadioBitmap(RadioPicture picture);

// The pointing hand as a complete 32 x 32 monochrome cursor file.
std::vector<std::uint8_t> HandCursorFile();
