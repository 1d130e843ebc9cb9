#include "settings_file.h"

#include "cp932_text.h"
#include "last_result.h"
#include "path_routines.h"
#include "settings.h"

#include <windows.h>

namespace {

constexpr DWORD kValueBufferSize = 256;

class ProfileSettingsSource final : public SettingsSource {
  public:
    std::string ProgramFolder() const override { return ::ProgramFolder(); }
    std::string IniRead(const std::string& section, const std::string& key,
                        const std::string& path) const override {
        return ::IniRead(section, key, path);
    }
    bool FileExists(const std::string& path) const override { return ::FileExists(path); }
};

}  // namespace

std::string IniRead(const std::string& section, const std::string& key, const std::string& path) {
    char value[kValueBufferSize] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, kValueBufferSize,
                             path.c_str());
    return std::string(value);
}

void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path) {
    const std::string shortSection(LeftCharacters(section, kProfileNameLimit));
    const std::string shortKey(LeftCharacters(key, kProfileNameLimit));
    LastResult = WritePrivateProfileStringA(shortSection.c_str(), shortKey.c_str(), value.c_str(),
                                            path.c_str());
}

void LoadSettings() {
    LoadSettings(ProfileSettingsSource());
}
