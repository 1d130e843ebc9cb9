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
class FakeSettingsSource final : public SettingsSource, public SettingsTarget {
  public:
    std::string folder = kFolder;
    std::map<std::string, std::string> values;  // key -> value of section "Section"
    std::set<std::string> files;
    std::set<std::string> failingKeys;
    bool fileCheckFails = false;
    mutable std::vector<std::string> readPaths;
    std::vector<std::string> writtenKeys;

    void IniWrite(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& path) override {
        if (failingKeys.count(key)) throw std::runtime_error("profile write failed");
        EXPECT_EQ(section, kSettingsSection);
        EXPECT_EQ(path, SettingsFilePath(folder));
        writtenKeys.push_back(key);
        values[key] = value;
    }

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

// SaveSettings writes what LoadSettings reads back, the music file's
// fallback aside.
TEST_F(LoadSettingsRules, SavedSettingsLoadBackAsTheyWere) {
    const struct {
        std::int16_t kind, repeat;
        std::string file;
    } saved[] = {{1, 5, ""}, {2, 0, "D:\\Music\\a.mp3"}, {0, 12, "D:\\a.wav"}, {-3, -7, ""}};
    for (const auto& settings : saved) {
        BgmKind = settings.kind;
        BgmRepeat = settings.repeat;
        BgmFile = settings.file;
        source.files = {settings.file};
        SaveSettings(source);
        SetUp();
        LoadSettings(source);
        EXPECT_EQ(BgmKind, settings.kind) << settings.file;
        EXPECT_EQ(BgmRepeat, settings.repeat) << settings.file;
        EXPECT_EQ(BgmFile, settings.file);
    }
}

// Always all three, in the order of earlier versions, a blank before a
// number that is not negative, and an empty file kept as an empty value.
TEST_F(LoadSettingsRules, SaveWritesTheThreeKeysInOrderInTheSignColumnForm) {
    BgmKind = 2;
    BgmRepeat = -4;
    SaveSettings(source);
    EXPECT_EQ(source.writtenKeys,
              (std::vector<std::string>{kBgmKindKey, kBgmRepeatKey, kBgmFileKey}));
    EXPECT_EQ(source.values[kBgmKindKey], " 2");
    EXPECT_EQ(source.values[kBgmRepeatKey], "-4");
    EXPECT_EQ(source.values.count(kBgmFileKey), 1u);
    EXPECT_EQ(source.values[kBgmFileKey], "");
}

TEST_F(LoadSettingsRules, AFailedWriteDoesNotKeepTheOthersFromTheFile) {
    source.failingKeys = {kBgmRepeatKey};
    BgmFile = "D:\\a.mp3";
    SaveSettings(source);
    EXPECT_EQ(source.writtenKeys, (std::vector<std::string>{kBgmKindKey, kBgmFileKey}));
}

}  // namespace
