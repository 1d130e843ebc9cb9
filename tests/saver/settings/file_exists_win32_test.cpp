#include "path_routines.h"

#include "japanese_system_win32.h"
#include "path_routines_win32.h"
#include "temp_folder_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class FileExistsOnDisk : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes(music, "RIFF"); }

    TempFolder folder;
    const std::string music = folder / "a.wav";
};

TEST_F(FileExistsOnDisk, IsTrueForAFile) {
    EXPECT_TRUE(FileExists(music));
}

TEST_F(FileExistsOnDisk, IsTrueForAnEmptyFile) {
    WriteBytes(folder / "empty.mp3", "");
    EXPECT_TRUE(FileExists(folder / "empty.mp3"));
}

TEST_F(FileExistsOnDisk, TestsAPathWithOneTrailingSeparatorWithoutIt) {
    EXPECT_TRUE(FileExists(music + "\\"));
    EXPECT_FALSE(FileExists(music + "\\\\"));
}

TEST_F(FileExistsOnDisk, IsFalseForAFolder) {
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path() + "\\"));
    EXPECT_FALSE(FileExists("C:\\"));
}

TEST_F(FileExistsOnDisk, IsFalseForMissingAndEmptyPaths) {
    EXPECT_FALSE(FileExists(folder / "gone.mp3"));
    EXPECT_FALSE(FileExists(folder / "no folder\\a.mp3"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("\\"));
    EXPECT_FALSE(FileExists(folder / "*.wav"));
    EXPECT_FALSE(FileExists("Q:\\a.mp3"));
}

TEST_F(FileExistsOnDisk, IsFalseForAFileLockedAgainstReading) {
    const HANDLE locked =
        CreateFileA(music.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FileExists(music));
    CloseHandle(locked);
    EXPECT_TRUE(FileExists(music));
}

TEST_F(FileExistsOnDisk, IsTrueForAFileOpenForWritingElsewhere) {
    const HANDLE writer = CreateFileA(music.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FileExists(music));
    CloseHandle(writer);
}

TEST_F(FileExistsOnDisk, CreatesNothingAndChangesNothing) {
    EXPECT_FALSE(FileExists(folder / "gone.mp3"));
    EXPECT_FALSE(PathExists(folder / "gone.mp3"));
    EXPECT_TRUE(FileExists(music));
    EXPECT_EQ(ReadBytes(music), "RIFF");
}

TEST_F(FileExistsOnDisk, LeavesTheCallersLastErrorAlone) {
    SetLastError(1234);
    EXPECT_FALSE(FileExists(folder / "gone.mp3"));
    EXPECT_EQ(GetLastError(), 1234u);
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(FileExists(music));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
}

using FileExistsOnAJapaneseSystem = OnAJapaneseSystem<FileExistsOnDisk>;

// "表" is 0x95 0x5C in code page 932: its second byte is that of "\".
TEST_F(FileExistsOnAJapaneseSystem, KeepsANameEndingInADoubleByteCharacterWhole) {
    const std::string hyou = folder / "\x95\x5C";
    WriteBytes(hyou, "ID3");
    EXPECT_TRUE(FileExists(hyou));
    EXPECT_TRUE(FileExists(hyou + "\\"));
}

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
    char module[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(folder + "\\settings_win32_test.exe", module);
    EXPECT_TRUE(FileExists(folder + "\\settings_win32_test.exe"));
}

}  // namespace
