#include "cp932_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IsCp932LeadByte, KnowsBothLeadByteRanges) {
    EXPECT_FALSE(IsCp932LeadByte(0x5C));
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));
    EXPECT_FALSE(IsCp932LeadByte(0xA1));  // half-width katakana are single bytes
    EXPECT_FALSE(IsCp932LeadByte(0xDF));
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0xFD));
}

TEST(LeftCharacters, CountsCharactersNotBytes) {
    EXPECT_EQ(LeftCharacters(std::string(200, 'k'), 128), std::string(128, 'k'));
    std::string kanji;
    for (int i = 0; i < 130; ++i) kanji += "\x8B\xE6";
    EXPECT_EQ(LeftCharacters(kanji, 128), kanji.substr(0, 256));
    EXPECT_EQ(LeftCharacters(std::string(130, '\xD8'), 128), std::string(128, '\xD8'));
}

TEST(LeftCharacters, NeverSplitsADoubleByteCharacter) {
    std::string mixed = "a";
    for (int i = 0; i < 200; ++i) mixed += "\x95\x5C";
    EXPECT_EQ(LeftCharacters(mixed, 128).size(), 255u);
    EXPECT_EQ(LeftCharacters("BGM\x8B\xE6\x95\xAA", 4), "BGM\x8B\xE6");
}

TEST(LeftCharacters, KeepsShortTextWhole) {
    EXPECT_EQ(LeftCharacters("Section", 128), "Section");
    EXPECT_EQ(LeftCharacters("", 128), "");
    EXPECT_EQ(LeftCharacters("ab\x8B", 128), "ab\x8B");  // a lead byte cut off from its pair
    EXPECT_EQ(LeftCharacters("abc", 0), "");
}

TEST(Cp932UpperCase, ChangesSingleByteLettersOnly) {
    EXPECT_EQ(Cp932UpperCase("c:\\music\\a.mp3"), "C:\\MUSIC\\A.MP3");
    // "ｧ" (0xA7) and the trail byte "a" of 0x8361 stay as they are.
    EXPECT_EQ(Cp932UpperCase("err\xA7\x83\x61z"), "ERR\xA7\x83\x61Z");
    EXPECT_EQ(Cp932UpperCase(""), "");
}

}  // namespace
