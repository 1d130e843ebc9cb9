#include "snapshot_file_win32.h"

#include "temp_folder_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::vector<std::uint8_t> kPicture(786486, 0x5A);
const std::string kPictureText(kPicture.begin(), kPicture.end());

std::wstring Wide(const std::string& ansi) {
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(),
                                    int(wide.size())));
    return wide;
}

std::vector<std::wstring> Names(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string ReadWide(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[65536];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

bool WriteHalfThenFail(HANDLE file, const std::uint8_t* bytes, std::size_t size) {
    WriteWholly(file, bytes, size / 2);
    return false;
}

class SnapshotFile : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes(folder / "Tesselune.bmp", "the earlier picture"); }

    TempFolder folder;
    const std::wstring snapshot = Wide(folder / "Tesselune.bmp");
};

TEST_F(SnapshotFile, TakesThePlaceOfTheEarlierFileAndOfACutRunsLeftover) {
    WriteBytes(folder / "Tesselune.bmp.new", "half of a cut run's picture");

    ASSERT_TRUE(ReplaceFileWhole(snapshot, kPicture));

    EXPECT_EQ(ReadBytes(folder / "Tesselune.bmp"), kPictureText);
    EXPECT_EQ(Names(Wide(folder.Path())), std::vector<std::wstring>{L"Tesselune.bmp"});
}

TEST_F(SnapshotFile, AWriteThatFailsHalfWayLeavesTheEarlierFileAsItWas) {
    EXPECT_FALSE(ReplaceFileWhole(snapshot, kPicture, WriteHalfThenFail));

    EXPECT_EQ(ReadBytes(folder / "Tesselune.bmp"), "the earlier picture");
    EXPECT_EQ(Names(Wide(folder.Path())), std::vector<std::wstring>{L"Tesselune.bmp"});
}

TEST_F(SnapshotFile, WithoutItsFolderNothingIsWritten) {
    EXPECT_FALSE(ReplaceFileWhole(Wide(folder / "missing") + L"\\Tesselune.bmp", kPicture));
    EXPECT_FALSE(ReplaceFileWhole(std::wstring(), kPicture));
    EXPECT_EQ(Names(Wide(folder.Path())), std::vector<std::wstring>{L"Tesselune.bmp"});
}

// A Polish user's profile on a Western system: its name is not in the ANSI
// code page.
TEST_F(SnapshotFile, IsWrittenUnderAFolderNameTheAnsiCodePageCannotSpell) {
    const std::wstring profile = Wide(folder.Path()) + L"\\\u0141ukasz \u015Awi\u0119ty";
    ASSERT_TRUE(CreateDirectoryW(profile.c_str(), nullptr));

    const bool replaced = ReplaceFileWhole(profile + L"\\Tesselune.bmp", kPicture);
    const std::string written = ReadWide(profile + L"\\Tesselune.bmp");
    const std::vector<std::wstring> names = Names(profile);
    // The narrow functions of the folder's clean-up cannot reach it.
    DeleteFileW((profile + L"\\Tesselune.bmp").c_str());
    RemoveDirectoryW(profile.c_str());

    EXPECT_TRUE(replaced);
    EXPECT_EQ(written, kPictureText);
    EXPECT_EQ(names, std::vector<std::wstring>{L"Tesselune.bmp"});
}

}  // namespace
