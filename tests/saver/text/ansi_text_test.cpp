#include "ansi_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AnsiLeadBytes, KnowsBothLeadByteRangesOfCodePage932) {
    const AnsiLeadBytes cp932 = AnsiLeadBytes::Cp932();
    EXPECT_FALSE(cp932.IsLeadByte(0x5C));
    EXPECT_FALSE(cp932.IsLeadByte(0x80));
    EXPECT_TRUE(cp932.IsLeadByte(0x81));
    EXPECT_TRUE(cp932.IsLeadByte(0x9F));
    EXPECT_FALSE(cp932.IsLeadByte(0xA0));
    EXPECT_FALSE(cp932.IsLeadByte(0xA1));  // half-width katakana are single bytes
    EXPECT_FALSE(cp932.IsLeadByte(0xDF));
    EXPECT_TRUE(cp932.IsLeadByte(0xE0));
    EXPECT_TRUE(cp932.IsLeadByte(0xFC));
    EXPECT_FALSE(cp932.IsLeadByte(0xFD));
}

// Walks text by another code page's rule for one test, then by 932's again.
class OtherCodePage : public ::testing::Test {
  protected:
    void TearDown() override { UseAnsiLeadBytes(AnsiLeadBytes::Cp932()); }
};

// In code page 1252 "é" (0xE9) is a letter; in 932 it leads two bytes. Code
// page 936 leads with 0x81 to 0xFE, half-width katakana's 0xA1 among them.
TEST_F(OtherCodePage, WalksByTheLeadBytesItIsGiven) {
    UseAnsiLeadBytes(AnsiLeadBytes());
    EXPECT_EQ(LeftCharacters("Caf\xE9\\chanson", 5), "Caf\xE9\\");
    EXPECT_TRUE(AnsiContains("\xE9rr", "rr"));

    AnsiLeadBytes cp936;
    cp936.AddRange(0x81, 0xFE);
    UseAnsiLeadBytes(cp936);
    EXPECT_EQ(LeftCharacters("\xA1\x5C\xFE\x61z", 2), "\xA1\x5C\xFE\x61");
    EXPECT_EQ(AnsiUpperCase("\xFD\x61z"), "\xFD\x61Z");
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

TEST(AnsiUpperCase, ChangesSingleByteLettersOnly) {
    EXPECT_EQ(AnsiUpperCase("c:\\music\\a.mp3"), "C:\\MUSIC\\A.MP3");
    // "ｧ" (0xA7) and the trail byte "a" of 0x8361 stay as they are.
    EXPECT_EQ(AnsiUpperCase("err\xA7\x83\x61z"), "ERR\xA7\x83\x61Z");
    EXPECT_EQ(AnsiUpperCase(""), "");
}

}  // namespace
