// Character-wise walking of text held as bytes of an ANSI code page, the form
// in which the platform's "A" functions give paths, arguments and replies. In
// a double-byte code page a lead byte starts a two-byte character whose second
// byte may look like ASCII, "\" (0x5C) included, so paths and names are cut by
// character.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

// Which bytes of a code page start a two-byte character.
class AnsiLeadBytes {
  public:
    // No lead bytes: every byte is a character, as in code page 1252.
    AnsiLeadBytes() = default;

    // Code page 932 (Shift-JIS): 0x81 to 0x9F and 0xE0 to 0xFC.
    static AnsiLeadBytes Cp932();

    // Makes first to last, both included, lead bytes.
    void AddRange(unsigned char first, unsigned char last);

    bool IsLeadByte(unsigned char byte) const { return lead_[byte]; }

  private:
    std::bitset<256> lead_;
};

// The rule all text below is walked by, for the whole program. Code page
// 932's until the start-up sets the machine's, so that text walks as on a
// Japanese system wherever nobody asks the platform.
void UseAnsiLeadBytes(const AnsiLeadBytes& rule);

// Byte length of the character starting at text[index]: 2 for a lead byte
// with a byte after it, else 1.
std::size_t AnsiCharacterLength(std::string_view text, std::size_t index);

// The first count characters of text.
std::string_view LeftCharacters(std::string_view text, std::size_t count);

// True when word occurs in text starting at a character: the second byte of
// a two-byte character never starts a match.
bool AnsiContains(std::string_view text, std::string_view word);

// The text with its ASCII letters upper-cased; the second byte of a two-byte
// character may look like a letter and is kept as it is.
std::string AnsiUpperCase(std::string_view text);
