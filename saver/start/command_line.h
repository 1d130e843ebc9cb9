// The saver's argument string: the letter that selects the mode and the
// preview box's window handle. The string is the command line without the
// program's own path, read afresh by whoever needs it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The argument string of a whole command line: what follows the program's
// path (quoted or not) and the one blank that separates them. Further blanks
// are kept, so " /s" typed after the path stays " /s".
std::string_view ArgumentsOf(std::string_view commandLine);

// The second character of the upper-cased argument string, or empty when the
// string is shorter. The first character is never looked at, so /s, -s and xs
// are alike. A two-byte character counts as one.
std::string ModeLetter(std::string_view arguments);

// The number read from the fourth character on as a numeric literal, rounded
// halves to even; 0 when there is none or it is outside 32 bits. A two-byte
// character counts as one.
std::int32_t PreviewHostHandle(std::string_view arguments);
