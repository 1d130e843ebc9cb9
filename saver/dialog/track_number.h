// The track box of the settings dialog: how a track number is shown, which
// numbers its list offers, and what a typed text stores.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The number formatted with the pattern "##": its digits without leading
// zeros, a minus sign before a negative one, and the empty text for 0.
std::string FormatTrackNumber(std::int32_t number);

// The list's entries: 0 to 30 formatted as above, so one blank, then 1 to 30.
std::vector<std::string> TrackListEntries();

// BgmRepeat for the box's text: a numeric text rounded to the nearest whole
// number, halves to the even one; 0 for any other text, the blank one
// included. A number outside the 16 bits that BgmRepeat holds also gives 0,
// which plays the disc on, as the settings file would read it anyway.
std::int16_t TrackNumberFromText(std::string_view text);
