// Character-wise walking of code page 932 (Shift-JIS) text held as bytes.
// A lead byte starts a two-byte character whose second byte may look like
// ASCII, "\" (0x5C) included, so paths and names are cut by character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

bool IsCp932LeadByte(unsigned char byte);

// Byte length of the character starting at text[index]: 2 for a lead byte
// with a byte after it, else 1.
std::size_t Cp932CharacterLength(std::string_view text, std::size_t index);

// The first count characters of text.
std::string_view LeftCharacters(std::string_view text, std::size_t count);

// True when word occurs in text starting at a character: the second byte of
// a two-byte character never starts a match.
bool Cp932Contains(std::string_view text, std::string_view word);

// The text with its single-byte letters upper-cased; the second byte of a
// two-byte character may look like a letter and is kept as it is.
std::string Cp932UpperCase(std::string_view text);
