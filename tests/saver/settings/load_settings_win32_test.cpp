#include "settings.h"

#include "ansi_text_win32.h"
#include "path_routines_win32.h"
#include "settings_file.h"
#include "japanese_system_win32.h"
#include "settings_file_win32.h"
#include "temp_folder_win32.h"
#include "wide_text_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

namespace {

// The real profile functions and file system, with the settings file in a
// folder of the test's own instead of beside the test program.
class FolderSettingsSource final : public SettingsSource {
  public:
    explicit FolderSettingsSource(std::string folder) : folder_(std::move(folder)) {}
    std::string ProgramFolder() const override { return folder_; }
    std::string IniRead(const std::string& section, const std::string& key,
                        const std::string& path) const override {
        return ::IniRead(section, key, path);
    }
    bool FileExists(const std::string& path) const override { return ::FileExists(path); }

  private:
    std::string folder_;
};

// Keys of the settings file as an editor saving in code page 932 writes them.
const std::string kKind = "BGM\x8B\xE6\x95\xAA=";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4=";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9=";

class LoadSettingsFromDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        UseMachineAnsiLeadBytes();
        BgmKind = 0;
        BgmRepeat = 0;
        BgmFile.clear();
        BgmFolder.clear();
        WriteBytes(music, "ID3");
    }

    // Writes the settings file, loads it, and checks that loading left it
    // exactly as it was.
    void Load(const std::string& bytes) {
        WriteBytes(ini, bytes);
        LoadSettings(source);
        EXPECT_EQ(ReadBytes(ini), bytes);
    }

    void ExpectFolderOfASongIn(const std::string& made, const std::string& song);

    void ExpectDefaults() {
        EXPECT_EQ(BgmKind, 0);
        EXPECT_EQ(BgmRepeat, 0);
        EXPECT_EQ(BgmFile, "");
        EXPECT_EQ(BgmFolder, folder.Path());
    }

    TempFolder folder;
    const std::string ini = folder / "Tesselune.ini";
    const std::string music = folder / "a.mp3";
    FolderSettingsSource source{folder.Path()};
};

TEST_F(LoadSettingsFromDisk, NoFileGivesTheDefaultsAndMakesNoFile) {
    LoadSettings(source);
    ExpectDefaults();
    EXPECT_FALSE(PathExists(ini));
}

TEST_F(LoadSettingsFromDisk, ReadsTheSignColumnForm) {
    Load("[Section]\r\n" + kKind + " 1\r\n" + kRepeat + " 12\r\n" + kFile + "\r\n");
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmRepeat, 12);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, folder.Path());
}

TEST_F(LoadSettingsFromDisk, KeepsAnAudioCdChoiceBesideAnExistingFile) {
    Load("[Section]\r\n" + kKind + " 1\r\n" + kRepeat + " 0\r\n" + kFile + music + "\r\n");
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmFile, music);
    EXPECT_EQ(BgmFolder, folder.Path());
}

TEST_F(LoadSettingsFromDisk, KeepsAMusicFileChoiceWhoseFileExists) {
    Load("[Section]\r\n" + kKind + " 2\r\n" + kRepeat + " 0\r\n" + kFile + music + "\r\n");
    EXPECT_EQ(BgmKind, 2);
    EXPECT_EQ(BgmFile, music);
}

TEST_F(LoadSettingsFromDisk, DropsAMusicFileChoiceWhoseFileWasDeleted) {
    const std::string gone = folder / "gone.mp3";
    WriteBytes(gone, "ID3");
    ASSERT_TRUE(DeleteFileA(gone.c_str()));
    Load("[Section]\r\n" + kKind + " 2\r\n" + kRepeat + " 0\r\n" + kFile + gone + "\r\n");
    ExpectDefaults();
}

TEST_F(LoadSettingsFromDisk, DropsAFileWhosePathIsLongerThan255Bytes) {
    const std::string longPath = folder / std::string(300 - folder.Path().size(), 'p');
    ASSERT_GE(longPath.size(), 300u);
    Load("[Section]\r\n" + kKind + " 2\r\n" + kFile + longPath + "\r\n");
    ExpectDefaults();
}

TEST_F(LoadSettingsFromDisk, AMusicFileInADriveRootGivesTheDriveAsFolder) {
    const std::string rooted = "C:\\tesselune-" + std::to_string(GetCurrentProcessId()) + ".mp3";
    WriteBytes(rooted, "ID3");
    Load("[Section]\r\n" + kKind + " 2\r\n" + kFile + rooted + "\r\n");
    DeleteFileA(rooted.c_str());
    EXPECT_EQ(BgmKind, 2);
    EXPECT_EQ(BgmFile, rooted);
    EXPECT_EQ(BgmFolder, "C:");
}

using LoadSettingsOnAJapaneseSystem = OnAJapaneseSystem<LoadSettingsFromDisk>;

// Code page 1252's accented letters are lead bytes in code page 932.
class LoadSettingsOnAWesternSystem : public LoadSettingsFromDisk {
  protected:
    void SetUp() override {
        LoadSettingsFromDisk::SetUp();
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page is not that of a Western system";
    }
};

// A music file in the new folder made, whose own name is song.
void LoadSettingsFromDisk::ExpectFolderOfASongIn(const std::string& made, const std::string& song) {
    ASSERT_TRUE(CreateDirectoryA(made.c_str(), nullptr));
    const std::string file = made + "\\" + song;
    WriteBytes(file, "ID3");
    Load("[Section]\r\n" + kKind + " 2\r\n" + kFile + file + "\r\n");
    EXPECT_EQ(BgmKind, 2);
    EXPECT_EQ(BgmFile, file);
    EXPECT_EQ(BgmFolder, made);
}

// "ソ" is 0x83 0x5C in code page 932: its second byte is that of "\".
TEST_F(LoadSettingsOnAJapaneseSystem, AJapaneseFolderNameStaysWhole) {
    ExpectFolderOfASongIn(folder / "\x83\x5C", "\x95\x5C.mp3");
}

// "é" is 0xE9.
TEST_F(LoadSettingsOnAWesternSystem, AnAccentedFolderNameKeepsTheSeparatorAfterIt) {
    ExpectFolderOfASongIn(folder / "Caf\xE9", "chanson.mp3");
}

TEST_F(LoadSettingsFromDisk, NumbersThatAreNoNumbersOrTooLargeLeaveZero) {
    Load("[Section]\r\n" + kKind + "two\r\n" + kRepeat + "40000\r\n");
    ExpectDefaults();
    Load("[Section]\r\n" + kKind + "1x\r\n" + kRepeat + "-32769\r\n");
    ExpectDefaults();
}

TEST_F(LoadSettingsFromDisk, HandEditedNumbersReadWithBlanksAndRoundDown) {
    Load("[Section]\r\n" + kKind + "  1.9  \r\n" + kRepeat + "\t7\t\r\n");
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmRepeat, 7);
}

TEST_F(LoadSettingsFromDisk, KeysInAnotherSectionGiveTheDefaults) {
    Load("[Other]\r\n" + kKind + " 1\r\n" + kRepeat + " 3\r\n" + kFile + music + "\r\n");
    ExpectDefaults();
}

TEST_F(LoadSettingsFromDisk, GarbageGivesTheDefaultsAndKeepsTheFile) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
    Load(garbage);
    ExpectDefaults();
}

TEST_F(LoadSettingsFromDisk, BinaryValuesGiveTheDefaults) {
    Load("[Section]\r\n" + kKind + std::string("\x01\x02\x00\xFF", 4) + "\r\n" + kRepeat +
         "\x7F\x80\r\n" + kFile + "\x81\r\n");
    ExpectDefaults();
}

TEST_F(LoadSettingsFromDisk, HugeValuesGiveTheDefaults) {
    Load("[Section]\r\n" + kKind + std::string(100000, '9') + "\r\n" + kRepeat + "1e999\r\n" +
         kFile + std::string(100000, 'x') + "\r\n");
    ExpectDefaults();
}

TEST(LoadSettingsBesideTheProgram, WithoutASettingsFileUsesTheProgramFolder) {
    BgmKind = 0;
    BgmRepeat = 0;
    BgmFile.clear();
    BgmFolder.clear();
    ASSERT_FALSE(PathExists(SettingsFilePath(ProgramFolder())));
    LoadSettings();
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmRepeat, 0);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, ProgramFolder());
    EXPECT_FALSE(PathExists(SettingsFilePath(ProgramFolder())));
}

}  // namespace
