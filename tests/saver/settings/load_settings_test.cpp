#include "settings.h"

#include "settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string kFolder = "C:\\Program Files\\Tesselune";
const std::string kIniPath = kFolder + "\\Tesselune.ini";

// A settings file and a file system in memory; the keys of the file are
// code page 932 bytes, as the platform's profile functions take them.
class FakeSettingsSource final : public SettingsSource {
  public:
    std::string folder = kFolder;
    std::map<std::string, std::string> values;  // key -> value of section "Section"
    std::set<std::string> files;
    std::set<std::string> failingKeys;
    bool fileCheckFails = false;
    mutable std::vector<std::string> readPaths;

    std::string ProgramFolder() const override { return folder; }

    std::string IniRead(const std::string& section, const std::string& key,
                        const std::string& path) const override {
        readPaths.push_back(path);
        if (failingKeys.count(key)) throw std::runtime_error("profile read failed");
        if (section != kSettingsSection || path != SettingsFilePath(folder)) return "";
        const auto value = values.find(key);
        return value == values.end() ? "" : value->second;
    }

    bool FileExists(const std::string& path) const override {
        if (fileCheckFails) throw std::runtime_error("file check failed");
        return files.count(path) != 0;
    }
};

class LoadSettingsRules : public ::testing::Test {
  protected:
    void SetUp() override {
        BgmKind = 0;
        BgmRepeat = 0;
        BgmFile.clear();
        BgmFolder.clear();
    }

    void ExpectDefaults() {
        EXPECT_EQ(BgmKind, 0);
        EXPECT_EQ(BgmRepeat, 0);
        EXPECT_EQ(BgmFile, "");
        EXPECT_EQ(BgmFolder, source.folder);
    }

    FakeSettingsSource source;
};

TEST_F(LoadSettingsRules, NoSettingsFileGivesTheDefaults) {
    LoadSettings(source);
    ExpectDefaults();
}

TEST_F(LoadSettingsRules, ReadsTheFileBesideTheProgram) {
    LoadSettings(source);
    ASSERT_EQ(source.readPaths.size(), 3u);
    for (const std::string& path : source.readPaths) EXPECT_EQ(path, kIniPath);
}

TEST_F(LoadSettingsRules, AProgramInADriveRootReadsThroughADoubledSeparator) {
    source.folder = "C:\\";
    source.values[kBgmRepeatKey] = " 3";
    LoadSettings(source);
    EXPECT_EQ(source.readPaths.front(), "C:\\\\Tesselune.ini");
    EXPECT_EQ(BgmRepeat, 3);
    EXPECT_EQ(BgmFolder, "C:\\");
}

TEST_F(LoadSettingsRules, ReadsTheSignColumnForm) {
    source.values[kBgmKindKey] = " 1";
    source.values[kBgmRepeatKey] = " 12";
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmRepeat, 12);
}

TEST_F(LoadSettingsRules, RoundsNumbersDown) {
    source.values[kBgmKindKey] = "-0.5";
    source.values[kBgmRepeatKey] = "1.9";
    LoadSettings(source);
    EXPECT_EQ(BgmKind, -1);
    EXPECT_EQ(BgmRepeat, 1);
}

TEST_F(LoadSettingsRules, TextThatIsNoNumberLeavesZero) {
    source.values[kBgmKindKey] = "music";
    source.values[kBgmRepeatKey] = "3 tracks";
    LoadSettings(source);
    ExpectDefaults();
}

TEST_F(LoadSettingsRules, NumbersOutsideSixteenBitsLeaveZero) {
    source.values[kBgmKindKey] = "-32769";
    source.values[kBgmRepeatKey] = "32768";
    LoadSettings(source);
    ExpectDefaults();
}

TEST_F(LoadSettingsRules, KeepsAnUnknownKindAsRead) {
    source.values[kBgmKindKey] = " 7";
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 7);
}

TEST_F(LoadSettingsRules, KeepsAMusicFileThatOpens) {
    source.values[kBgmKindKey] = " 2";
    source.values[kBgmFileKey] = "D:\\Music\\a.mp3";
    source.files = {"D:\\Music\\a.mp3"};
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 2);
    EXPECT_EQ(BgmFile, "D:\\Music\\a.mp3");
    EXPECT_EQ(BgmFolder, "D:\\Music");
}

TEST_F(LoadSettingsRules, DropsAMissingMusicFileAndItsChoice) {
    source.values[kBgmKindKey] = " 2";
    source.values[kBgmFileKey] = "D:\\Music\\gone.mp3";
    LoadSettings(source);
    ExpectDefaults();
}

TEST_F(LoadSettingsRules, TheMusicFileChoiceWithoutAFileFallsBackToNoMusic) {
    source.values[kBgmKindKey] = " 2";
    source.values[kBgmRepeatKey] = " 4";
    source.values[kBgmFileKey] = "";
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmRepeat, 4);
    EXPECT_EQ(BgmFile, "");
}

TEST_F(LoadSettingsRules, ChecksTheFileWhateverTheKind) {
    source.values[kBgmKindKey] = " 1";
    source.values[kBgmFileKey] = "D:\\Music\\a.wav";
    source.files = {"D:\\Music\\a.wav"};
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmFile, "D:\\Music\\a.wav");
    EXPECT_EQ(BgmFolder, "D:\\Music");

    SetUp();
    source.files.clear();
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, kFolder);
}

TEST_F(LoadSettingsRules, AMusicFileInADriveRootGivesTheDriveAsFolder) {
    source.values[kBgmKindKey] = " 2";
    source.values[kBgmFileKey] = "C:\\a.mp3";
    source.files = {"C:\\a.mp3"};
    LoadSettings(source);
    EXPECT_EQ(BgmFolder, "C:");
}

TEST_F(LoadSettingsRules, GarbageValuesGiveTheDefaults) {
    source.values[kBgmKindKey] = std::string("\x01\xFF\x00\x7F", 4);
    source.values[kBgmRepeatKey] = std::string(255, '9');
    source.values[kBgmFileKey] = std::string("\x81\x5C\x01\xFE", 4);
    LoadSettings(source);
    ExpectDefaults();
}

TEST_F(LoadSettingsRules, AFailedReadSkipsOnlyItsOwnStep) {
    source.values[kBgmKindKey] = " 1";
    source.values[kBgmRepeatKey] = " 5";
    source.values[kBgmFileKey] = "D:\\a.mp3";
    source.files = {"D:\\a.mp3"};
    source.failingKeys = {kBgmKindKey};
    BgmKind = 9;
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 9);
    EXPECT_EQ(BgmRepeat, 5);
    EXPECT_EQ(BgmFile, "D:\\a.mp3");
    EXPECT_EQ(BgmFolder, "D:");
}

TEST_F(LoadSettingsRules, AFailedFileCheckKeepsNoUncheckedFile) {
    source.values[kBgmKindKey] = " 2";
    source.values[kBgmFileKey] = "D:\\a.mp3";
    source.fileCheckFails = true;
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, kFolder);
}

TEST_F(LoadSettingsRules, AFailedFileReadStillDropsTheMusicFileChoice) {
    source.values[kBgmKindKey] = " 2";
    source.failingKeys = {kBgmFileKey};
    LoadSettings(source);
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, kFolder);
}

}  // namespace
