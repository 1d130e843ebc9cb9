#include "settings_file.h"

#include "last_result.h"
#include "settings.h"
#include "settings_file_win32.h"
#include "temp_folder_win32.h"

#include <gtest/gtest.h>

namespace {

class ProfileFile : public ::testing::Test {
  protected:
    // NOTE: Wine drops the blank of the sign-column form when it writes a
    // value and Windows keeps it, so values are compared by what they read
    // back as, and only the names are compared byte for byte.
    bool FileHolds(const std::string& bytes) const {
        return ReadBytes(ini).find(bytes) != std::string::npos;
    }

    TempFolder folder;
    const std::string ini = SettingsFilePath(folder.Path());
};

TEST_F(ProfileFile, WritesTheKeysAsTheirCodePage932Bytes) {
    IniWrite(kSettingsSection, kBgmKindKey, SignColumnDecimal(1), ini);
    IniWrite(kSettingsSection, kBgmRepeatKey, SignColumnDecimal(12), ini);
    IniWrite(kSettingsSection, kBgmFileKey, "C:\\Music\\a.mp3", ini);

    const std::string bytes = ReadBytes(ini);
    const std::size_t section = bytes.find("[Section]");
    const std::size_t kind = bytes.find("\x42\x47\x4D\x8B\xE6\x95\xAA=");
    const std::size_t repeat = bytes.find("\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=");
    const std::size_t file = bytes.find("\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\Music\\a.mp3");
    ASSERT_NE(section, std::string::npos) << bytes;
    ASSERT_NE(kind, std::string::npos) << bytes;
    ASSERT_NE(repeat, std::string::npos) << bytes;
    ASSERT_NE(file, std::string::npos) << bytes;
    EXPECT_LT(section, kind);
    EXPECT_LT(kind, repeat);
    EXPECT_LT(repeat, file);
}

TEST_F(ProfileFile, ReadsBackWhatItWrote) {
    IniWrite(kSettingsSection, kBgmKindKey, SignColumnDecimal(2), ini);
    IniWrite(kSettingsSection, kBgmRepeatKey, SignColumnDecimal(-3), ini);
    IniWrite(kSettingsSection, kBgmFileKey, "C:\\\x95\x5C\\a.mp3", ini);
    EXPECT_EQ(SettingsNumber(IniRead(kSettingsSection, kBgmKindKey, ini)), 2);
    EXPECT_EQ(SettingsNumber(IniRead(kSettingsSection, kBgmRepeatKey, ini)), -3);
    EXPECT_EQ(IniRead(kSettingsSection, kBgmFileKey, ini), "C:\\\x95\x5C\\a.mp3");
}

TEST_F(ProfileFile, AnEmptyValueKeepsTheKey) {
    IniWrite(kSettingsSection, kBgmFileKey, "C:\\a.mp3", ini);
    IniWrite(kSettingsSection, kBgmFileKey, "", ini);
    EXPECT_TRUE(FileHolds("\x42\x47\x4D\xCC\xA7\xB2\xD9="));
    EXPECT_FALSE(FileHolds("a.mp3"));
    EXPECT_EQ(IniRead(kSettingsSection, kBgmFileKey, ini), "");
}

TEST_F(ProfileFile, ReadsAtMost255Bytes) {
    const std::string path = "C:\\" + std::string(296, 'p') + ".mp3";
    IniWrite(kSettingsSection, kBgmFileKey, path, ini);
    EXPECT_EQ(IniRead(kSettingsSection, kBgmFileKey, ini), path.substr(0, 255));
}

TEST_F(ProfileFile, CutsSectionAndKeyNamesTo128Characters) {
    const std::string longSection(200, 's');
    const std::string longKey(200, 'k');
    IniWrite(longSection, longKey, "value", ini);
    EXPECT_TRUE(FileHolds("[" + std::string(128, 's') + "]"));
    EXPECT_TRUE(FileHolds("\n" + std::string(128, 'k') + "=value"));
    EXPECT_FALSE(FileHolds(std::string(129, 's')));
    EXPECT_FALSE(FileHolds(std::string(129, 'k')));
    EXPECT_EQ(IniRead(std::string(128, 's'), std::string(128, 'k'), ini), "value");
}

TEST_F(ProfileFile, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(IniRead(kSettingsSection, kBgmKindKey, ini), "");
    IniWrite("Other", kBgmKindKey, " 1", ini);
    EXPECT_EQ(IniRead(kSettingsSection, kBgmKindKey, ini), "");
    IniWrite(kSettingsSection, kBgmRepeatKey, " 1", ini);
    EXPECT_EQ(IniRead(kSettingsSection, kBgmKindKey, ini), "");
}

TEST_F(ProfileFile, StoresThePlatformResultInLastResult) {
    LastResult = 0;
    IniWrite(kSettingsSection, kBgmKindKey, " 1", ini);
    EXPECT_NE(LastResult, 0);
    IniWrite(kSettingsSection, kBgmKindKey, " 1", folder / "no such folder\\Tesselune.ini");
    EXPECT_EQ(LastResult, 0);
    EXPECT_FALSE(PathExists(folder / "no such folder"));
}

}  // namespace
