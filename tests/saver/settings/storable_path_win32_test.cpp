#include "settings_file_win32.h"

#include "japanese_system_win32.h"
#include "path_routines_win32.h"
#include "settings_file.h"
#include "temp_folder_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// A music file at a path of wide characters, made under the test's folder
// and taken away again; made() is false when this system cannot make it.
class WideMusicFile {
  public:
    WideMusicFile(const TempFolder& folder, const std::vector<std::wstring>& folders,
                  const std::wstring& name) {
        path_ = Wide(folder.Path());
        for (const std::wstring& part : folders) {
            path_ += L"\\" + part;
            if (!CreateDirectoryW(path_.c_str(), nullptr)) return;
            made_folders_.push_back(path_);
        }
        path_ += L"\\" + name;
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        made_ = WriteFile(file, "ID3", 3, &written, nullptr) && written == 3;
        CloseHandle(file);
    }
    ~WideMusicFile() {
        DeleteFileW(path_.c_str());
        for (auto folder = made_folders_.rbegin(); folder != made_folders_.rend(); ++folder) {
            RemoveDirectoryW(folder->c_str());
        }
    }
    WideMusicFile(const WideMusicFile&) = delete;
    WideMusicFile& operator=(const WideMusicFile&) = delete;

    bool made() const { return made_; }
    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
    std::vector<std::wstring> made_folders_;
    bool made_ = false;
};

class StorablePathOnDisk : public ::testing::Test {
  protected:
    // What the next start reads back for a stored path.
    std::string StoredAndReadBack(const std::string& stored) {
        IniWrite(kSettingsSection, kBgmFileKey, stored, ini);
        return IniRead(kSettingsSection, kBgmFileKey, ini);
    }

    void ExpectTheSameFileComesBack(const WideMusicFile& music) {
        ASSERT_TRUE(music.made()) << "the music file was not made";
        const std::optional<std::string> stored = StorablePath(music.path());
        ASSERT_TRUE(stored.has_value());
        const std::string back = StoredAndReadBack(*stored);
        EXPECT_EQ(back, *stored);
        EXPECT_TRUE(FileExists(back)) << back;
        EXPECT_EQ(ReadBytes(back), "ID3");
    }

    TempFolder folder;
    const std::string ini = folder / "Tesselune.ini";
};

TEST_F(StorablePathOnDisk, KeepsAPathThatComesBackWhole) {
    WriteBytes(folder / "a song.mp3", "ID3");
    EXPECT_EQ(StorablePath(Wide(folder / "a song.mp3")), folder / "a song.mp3");
}

using StorablePathOnAJapaneseSystem = OnAJapaneseSystem<StorablePathOnDisk>;

TEST_F(StorablePathOnAJapaneseSystem, StoresALongJapanesePathInItsShortForm) {
    // Over 255 bytes in code page 932, well under the chooser's 255 characters.
    const std::wstring folderName(40, L'\u97F3');  // 音
    const WideMusicFile music(folder, {folderName, folderName, folderName},
                              std::wstring(20, L'\u66F2') + L".mp3");  // 曲
    ExpectTheSameFileComesBack(music);
}

TEST_F(StorablePathOnAJapaneseSystem, StoresAPathWithACharacterBeyondCodePage932InItsShortForm) {
    const WideMusicFile music(folder, {}, L"caf\u00E9 \uD55C.mp3");  // é and Hangul han
    ExpectTheSameFileComesBack(music);
}

}  // namespace
