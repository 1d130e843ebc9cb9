// Feeds arbitrary settings files to LoadSettings: any bytes in the three
// values, code page 932 lead bytes and huge values among them, and files that
// exist or not. Whatever the file says, the settings must come out whole and
// agreeing with each other.
#include "path_routines.h"
#include "settings.h"
#include "settings_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

namespace {

const std::string kFolder = "C:\\Program Files\\Tesselune";

class FuzzedProfile final : public SettingsSource {
  public:
    std::string kind, repeat, file;
    bool fileExists = false;

    std::string ProgramFolder() const override { return kFolder; }
    std::string IniRead(const std::string&, const std::string& key,
                        const std::string&) const override {
        if (key == kBgmKindKey) return kind;
        if (key == kBgmRepeatKey) return repeat;
        return key == kBgmFileKey ? file : std::string();
    }
    bool FileExists(const std::string& path) const override {
        if (path != file) std::abort();
        return fileExists;
    }
};

// What a stored number must load as: 0 when empty or unreadable.
std::int16_t Expected(const std::string& text) {
    return text.empty() ? 0 : SettingsNumber(text).value_or(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FuzzedProfile profile;
    profile.fileExists = input.ConsumeBool();
    profile.kind = input.ConsumeRandomLengthString();
    profile.repeat = input.ConsumeRandomLengthString();
    profile.file = input.ConsumeRemainingBytesAsString();

    BgmKind = 0;
    BgmRepeat = 0;
    BgmFile.clear();
    BgmFolder.clear();
    LoadSettings(profile);

    const bool kept = !profile.file.empty() && profile.fileExists;
    if (BgmFile != (kept ? profile.file : std::string())) std::abort();
    const std::int16_t kind = Expected(profile.kind);
    if (BgmKind != (kind == 2 && !kept ? 0 : kind)) std::abort();
    if (BgmRepeat != Expected(profile.repeat)) std::abort();
    if (BgmFolder != (kept ? FolderOf(BgmFile) : kFolder)) std::abort();
    if (BgmFile.compare(0, BgmFolder.size(), BgmFolder) != 0 && kept) std::abort();
    return 0;
}
