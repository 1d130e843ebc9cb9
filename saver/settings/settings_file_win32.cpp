#include "settings_file_win32.h"

#include "ansi_text.h"
#include "last_result.h"
#include "path_routines_win32.h"
#include "settings.h"
#include "settings_file.h"
#include "wide_text_win32.h"

#include <windows.h>

namespace {

constexpr DWORD kValueBufferSize = kProfileValueLimit + 1;

// The path's ANSI bytes when they fit and turn back into exactly this path;
// a character the code page lacks would come back as "?".
std::optional<std::string> ExactAnsiPath(const std::wstring& path) {
    std::string bytes = BytesFromWide(CP_ACP, path);
    if (bytes.empty() || bytes.size() > kProfileValueLimit) return std::nullopt;
    if (WideFromBytes(CP_ACP, bytes) != path) return std::nullopt;
    return bytes;
}

}  // namespace

std::string IniRead(const std::string& section, const std::string& key, const std::string& path) {
    char value[kValueBufferSize] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, kValueBufferSize,
                             path.c_str());
    return std::string(value);
}

std::optional<std::string> StorablePath(const std::wstring& path) {
    if (std::optional<std::string> bytes = ExactAnsiPath(path)) return bytes;
    std::wstring shortPath(MAX_PATH, L'\0');
    const DWORD length =
        GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length == 0 || length >= shortPath.size()) return std::nullopt;
    shortPath.resize(length);
    return ExactAnsiPath(shortPath);
}

void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path) {
    const std::string shortSection(LeftCharacters(section, kProfileNameLimit));
    const std::string shortKey(LeftCharacters(key, kProfileNameLimit));
    LastResult = WritePrivateProfileStringA(shortSection.c_str(), shortKey.c_str(), value.c_str(),
                                            path.c_str());
}

std::string ProfileSettingsFile::ProgramFolder() const {
    return ::ProgramFolder();
}

std::string ProfileSettingsFile::IniRead(const std::string& section, const std::string& key,
                                         const std::string& path) const {
    return ::IniRead(section, key, path);
}

void ProfileSettingsFile::IniWrite(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& path) {
    ::IniWrite(section, key, value, path);
}

bool ProfileSettingsFile::FileExists(const std::string& path) const {
    return ::FileExists(path);
}

void LoadSettings() {
    LoadSettings(ProfileSettingsFile());
}
