// The saver's reading of numbers typed as text: the numeric literals of old
// BASIC, as the preview handle on the command line and hand-edited settings
// hold them.
//
// A literal is an optional sign, digits with an optional decimal point and an
// optional exponent (E or D, then an optional sign and digits), or "&H" with
// hexadecimal digits or "&O" with octal digits. Blanks, tabs and line feeds
// are skipped wherever they stand; reading stops at the first character that
// cannot continue the literal. Hexadecimal and octal literals are two's
// complement: up to FFFF they are 16-bit (&HFFFF is -1), up to FFFFFFFF
// 32-bit (&HFFFFFFFF is -1), beyond that they overflow.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The literal at the start of text; 0 when text does not start with one.
// Empty when the literal overflows.
std::optional<double> ReadNumericLiteral(std::string_view text);

// The value when all of text is one literal, blanks aside; else empty.
std::optional<double> ReadWholeNumericLiteral(std::string_view text);

// The nearest 32-bit signed integer, halves to the even one; empty outside
// that range.
std::optional<std::int32_t> RoundHalfEvenToInt32(double value);
