#include "settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(SettingsFileKeys, AreTheCodePage932BytesOlderFilesHold) {
    EXPECT_EQ(std::string(kSettingsSection), "Section");
    EXPECT_EQ(std::string(kBgmKindKey), Bytes({0x42, 0x47, 0x4D, 0x8B, 0xE6, 0x95, 0xAA}));
    EXPECT_EQ(std::string(kBgmRepeatKey), Bytes({0x42, 0x47, 0x4D, 0xD8, 0xCB, 0xDF, 0xB0, 0xC4}));
    EXPECT_EQ(std::string(kBgmFileKey), Bytes({0x42, 0x47, 0x4D, 0xCC, 0xA7, 0xB2, 0xD9}));
}

TEST(SettingsFilePath, AlwaysAddsTheSeparator) {
    EXPECT_EQ(SettingsFilePath("C:\\Program Files\\Tesselune"),
              "C:\\Program Files\\Tesselune\\Tesselune.ini");
    EXPECT_EQ(SettingsFilePath("C:\\"), "C:\\\\Tesselune.ini");
    EXPECT_EQ(SettingsFilePath(""), "\\Tesselune.ini");
}

TEST(SignColumnDecimal, PutsABlankBeforeZeroAndPositiveNumbers) {
    EXPECT_EQ(SignColumnDecimal(0), " 0");
    EXPECT_EQ(SignColumnDecimal(1), " 1");
    EXPECT_EQ(SignColumnDecimal(2), " 2");
    EXPECT_EQ(SignColumnDecimal(30), " 30");
    EXPECT_EQ(SignColumnDecimal(32767), " 32767");
    EXPECT_EQ(SignColumnDecimal(2147483647), " 2147483647");
}

TEST(SignColumnDecimal, PutsAMinusBeforeNegativeNumbers) {
    EXPECT_EQ(SignColumnDecimal(-1), "-1");
    EXPECT_EQ(SignColumnDecimal(-32768), "-32768");
    EXPECT_EQ(SignColumnDecimal(-2147483647 - 1), "-2147483648");
}

TEST(SettingsNumber, ReadsBackEverySixteenBitValueItsWriterStores) {
    for (int value = -32768; value <= 32767; ++value) {
        ASSERT_EQ(SettingsNumber(SignColumnDecimal(value)), value);
    }
}

TEST(SettingsNumber, RoundsDown) {
    EXPECT_EQ(SettingsNumber("1.9"), 1);
    EXPECT_EQ(SettingsNumber("-0.5"), -1);
    EXPECT_EQ(SettingsNumber("-1"), -1);
    EXPECT_EQ(SettingsNumber("2.5"), 2);
    EXPECT_EQ(SettingsNumber("0.999999"), 0);
    EXPECT_EQ(SettingsNumber("32767.9"), 32767);
    EXPECT_EQ(SettingsNumber("-32767.5"), -32768);
}

TEST(SettingsNumber, AcceptsHandEditedForms) {
    EXPECT_EQ(SettingsNumber("2"), 2);
    EXPECT_EQ(SettingsNumber("+2"), 2);
    EXPECT_EQ(SettingsNumber("  2  "), 2);
    EXPECT_EQ(SettingsNumber("\t2\t"), 2);
    EXPECT_EQ(SettingsNumber("2."), 2);
    EXPECT_EQ(SettingsNumber("02"), 2);
    EXPECT_EQ(SettingsNumber("2e1"), 20);
    EXPECT_EQ(SettingsNumber("&H1E"), 30);
    EXPECT_EQ(SettingsNumber("&O17"), 15);
    EXPECT_EQ(SettingsNumber("&HFFFF"), -1);
}

TEST(SettingsNumber, RejectsTextThatIsNoNumber) {
    EXPECT_FALSE(SettingsNumber(""));
    EXPECT_FALSE(SettingsNumber("abc"));
    EXPECT_FALSE(SettingsNumber("2x"));
    EXPECT_FALSE(SettingsNumber("1,5"));
    EXPECT_FALSE(SettingsNumber("\x82\x51"));  // a full-width two
    EXPECT_FALSE(SettingsNumber("\x01\xFF\x7F"));
    EXPECT_FALSE(SettingsNumber(std::string{'1', '\0', '2'}));
    EXPECT_FALSE(SettingsNumber("-"));
    EXPECT_FALSE(SettingsNumber("&H"));
}

TEST(SettingsNumber, RejectsNumbersOutsideSixteenBits) {
    EXPECT_FALSE(SettingsNumber("32768"));
    EXPECT_FALSE(SettingsNumber("-32769"));
    EXPECT_FALSE(SettingsNumber("-32768.5"));
    EXPECT_FALSE(SettingsNumber("40000"));
    EXPECT_FALSE(SettingsNumber("&H10000"));
    EXPECT_FALSE(SettingsNumber("1e5"));
    EXPECT_FALSE(SettingsNumber("1e400"));
    EXPECT_FALSE(SettingsNumber(std::string(255, '9')));
    EXPECT_FALSE(SettingsNumber("&H" + std::string(253, 'F')));
}

}  // namespace
