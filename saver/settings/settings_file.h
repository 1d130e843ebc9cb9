// The settings file beside the saver: a profile file in code page 932 with one
// section and three keys, and the text forms of the values in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// NOTE: the keys are spelled as bytes so that no editor or compiler charset
// can change them; files written by earlier versions are found by exactly
// these bytes. The half-width katakana are one byte each.
inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kBgmKindKey[] = "BGM\x8B\xE6\x95\xAA";        // BGM区分
inline constexpr char kBgmRepeatKey[] = "BGM\xD8\xCB\xDF\xB0\xC4";  // BGMﾘﾋﾟｰﾄ
inline constexpr char kBgmFileKey[] = "BGM\xCC\xA7\xB2\xD9";        // BGMﾌｧｲﾙ

// Section and key names longer than this many characters are cut on write.
inline constexpr std::size_t kProfileNameLimit = 128;
// Values longer than this many bytes come back cut when read.
inline constexpr std::size_t kProfileValueLimit = 255;

// The settings file's path: the separator is always added, so a program in a
// drive's root gives C:\\Tesselune.ini, which the file system accepts.
std::string SettingsFilePath(std::string_view programFolder);

// A number as the settings file stores it: one sign character (a space for
// zero and up, "-" below) followed by the decimal digits.
std::string SignColumnDecimal(std::int32_t value);

// A stored number: the whole text must be one numeric literal; it is rounded
// down and must fit 16 bits, else there is no value.
std::optional<std::int16_t> SettingsNumber(std::string_view text);
