#include "command_line.h"

#include <gtest/gtest.h>

TEST(ArgumentsOf, DropsThePathAndOneBlank) {
    EXPECT_EQ(ArgumentsOf("C:\\Tesselune.scr /s"), "/s");
    EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\Tesselune.scr\" /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentsOf("Tesselune.scr\t/c"), "/c");
}

TEST(ArgumentsOf, KeepsFurtherBlanks) {
    EXPECT_EQ(ArgumentsOf("Tesselune.scr  /s"), " /s");
    EXPECT_EQ(ArgumentsOf("\"Tesselune.scr\"  /s"), " /s");
}

TEST(ArgumentsOf, APathAloneGivesAnEmptyString) {
    EXPECT_EQ(ArgumentsOf("Tesselune.scr"), "");
    EXPECT_EQ(ArgumentsOf("\"C:\\a b\\Tesselune.scr\""), "");
    EXPECT_EQ(ArgumentsOf("Tesselune.scr "), "");
    EXPECT_EQ(ArgumentsOf(""), "");
}

TEST(ArgumentsOf, AnUnclosedQuoteTakesTheWholeLine) {
    EXPECT_EQ(ArgumentsOf("\"C:\\Tesselune.scr /s"), "");
}

TEST(ArgumentsOf, TextRightAfterAClosingQuoteIsAnArgument) {
    EXPECT_EQ(ArgumentsOf("\"Tesselune.scr\"/s"), "/s");
}

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
    EXPECT_EQ(ModeLetter("/s"), "S");
    EXPECT_EQ(ModeLetter("/S"), "S");
    EXPECT_EQ(ModeLetter("/c:1234"), "C");
    EXPECT_EQ(ModeLetter("/p 1234"), "P");
    EXPECT_EQ(ModeLetter("/a"), "A");
}

TEST(ModeLetter, NeverLooksAtTheFirstCharacter) {
    EXPECT_EQ(ModeLetter("-s"), "S");
    EXPECT_EQ(ModeLetter("xs"), "S");
    EXPECT_EQ(ModeLetter(" /s"), "/");
}

TEST(ModeLetter, IsEmptyForStringsShorterThanTwo) {
    EXPECT_EQ(ModeLetter(""), "");
    EXPECT_EQ(ModeLetter("/"), "");
    EXPECT_EQ(ModeLetter("s"), "");
}

TEST(ModeLetter, CountsATwoByteCharacterAsOne) {
    // "\x82\x73" is a full-width T; its trail byte is an ASCII "s".
    EXPECT_EQ(ModeLetter("\x82\x73p"), "P");
    EXPECT_EQ(ModeLetter("/\x82\x73"), "\x82\x73");
    EXPECT_EQ(ModeLetter("\x82\x73"), "");
}

TEST(ModeLetter, LeavesOtherBytesAlone) {
    EXPECT_EQ(ModeLetter("/1"), "1");
    EXPECT_EQ(ModeLetter("/\xB1"), "\xB1");  // half-width katakana A
}

TEST(PreviewHostHandle, ReadsTheNumberAfterABlankOrAColon) {
    EXPECT_EQ(PreviewHostHandle("/p 1234"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p:1234"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p1234"), 234);
}

TEST(PreviewHostHandle, ReadsEveryFormOfNumericLiteral) {
    EXPECT_EQ(PreviewHostHandle("/p &H4D2"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p &o2322"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p 1.234E3"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p  1 2 3 4"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p -5"), -5);
    EXPECT_EQ(PreviewHostHandle("/p 1234 5678"), 12345678);
    EXPECT_EQ(PreviewHostHandle("/p 1234;5678"), 1234);
}

TEST(PreviewHostHandle, CountsATwoByteCharacterAsOne) {
    EXPECT_EQ(ModeLetter("\x82\x73p:1234"), "P");
    EXPECT_EQ(PreviewHostHandle("\x82\x73p:1234"), 1234);
}

TEST(PreviewHostHandle, RoundsHalvesToEven) {
    EXPECT_EQ(PreviewHostHandle("/p 1234.5"), 1234);
    EXPECT_EQ(PreviewHostHandle("/p 1235.5"), 1236);
    EXPECT_EQ(PreviewHostHandle("/p 1234.51"), 1235);
}

TEST(PreviewHostHandle, GivesZeroWithoutANumberInRange) {
    EXPECT_EQ(PreviewHostHandle("/p"), 0);
    EXPECT_EQ(PreviewHostHandle("/p "), 0);
    EXPECT_EQ(PreviewHostHandle("/p window"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 2147483648"), 0);
    EXPECT_EQ(PreviewHostHandle("/p -2147483649"), 0);
    EXPECT_EQ(PreviewHostHandle("/p 1E400"), 0);
    EXPECT_EQ(PreviewHostHandle(""), 0);
}

TEST(PreviewHostHandle, ReachesBothEndsOf32Bits) {
    EXPECT_EQ(PreviewHostHandle("/p 2147483647"), 2147483647);
    EXPECT_EQ(PreviewHostHandle("/p -2147483648"), -2147483647 - 1);
    EXPECT_EQ(PreviewHostHandle("/p &HFFFFFFFF"), -1);
}
