#include "settings.h"

#include "guarded_step.h"
#include "path_routines.h"
#include "settings_file.h"

#include <optional>
#include <utility>

std::int16_t BgmKind = 0;
std::int16_t BgmRepeat = 0;
std::string BgmFile;
std::string BgmFolder;

namespace {

void LoadNumber(const SettingsSource& source, const std::string& path, const char* key,
                std::int16_t& variable) {
    const std::string text = source.IniRead(kSettingsSection, key, path);
    if (text.empty()) {
        variable = 0;
        return;
    }
    if (const std::optional<std::int16_t> number = SettingsNumber(text)) variable = *number;
}

}  // namespace

void LoadSettings(const SettingsSource& source) {
    std::string folder;
    std::string path;
    GuardedStep([&] {
        folder = source.ProgramFolder();
        path = SettingsFilePath(folder);
    });
    GuardedStep([&] { LoadNumber(source, path, kBgmKindKey, BgmKind); });
    GuardedStep([&] { LoadNumber(source, path, kBgmRepeatKey, BgmRepeat); });
    // The file is checked before it is kept, so a failure half-way leaves
    // BgmFile as it was rather than holding a file nobody checked.
    GuardedStep([&] {
        std::string file = source.IniRead(kSettingsSection, kBgmFileKey, path);
        if (!file.empty() && !source.FileExists(file)) file.clear();
        BgmFile = std::move(file);
    });
    GuardedStep([&] {
        if (BgmFile.empty() && BgmKind == kMusicFile) BgmKind = kNoMusic;
    });
    GuardedStep([&] { BgmFolder = BgmFile.empty() ? folder : FolderOf(BgmFile); });
}

void SaveSettings(SettingsTarget& target) {
    std::string path;
    GuardedStep([&] { path = SettingsFilePath(target.ProgramFolder()); });
    const std::pair<const char*, std::string> entries[] = {
        {kBgmKindKey, SignColumnDecimal(BgmKind)},
        {kBgmRepeatKey, SignColumnDecimal(BgmRepeat)},
        {kBgmFileKey, BgmFile},
    };
    for (const auto& entry : entries) {
        GuardedStep([&] { target.IniWrite(kSettingsSection, entry.first, entry.second, path); });
    }
}
