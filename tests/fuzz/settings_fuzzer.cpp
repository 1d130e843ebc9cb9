// Feeds arbitrary settings files to LoadSettings: any bytes in the three
// values, code page 932 lead bytes and huge values among them, and files that
// exist or not. Whatever the file says, the settings must come out whole and
// as the rules of loading give them, worked out here where that is cheap:
// plain numbers, the music file, and its folder by a model of code page 932
// characters made from the lead byte ranges.
#include "cp932_model.h"
#include "settings.h"
#include "settings_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a stored number loads as, where that is plain to see: 0 for text
// without a single (hexadecimal) digit; for blanks, an optional sign, up to
// nine digits and up to six after a point, the value rounded down, 0 beyond
// 16 bits. Empty for any other text.
std::optional<std::int16_t> ExpectedNumber(std::string_view text) {
    if (text.find_first_of("0123456789ABCDEFabcdef") == std::string_view::npos) return 0;
    std::string plain;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') plain += c;
    }
    std::size_t at = !plain.empty() && (plain[0] == '+' || plain[0] == '-') ? 1 : 0;
    std::int64_t value = 0;
    const std::size_t whole = at;
    for (; at < plain.size() && IsDigit(plain[at]) && at - whole < 9; ++at) {
        value = value * 10 + (plain[at] - '0');
    }
    const std::size_t wholeDigits = at - whole;
    bool fraction = false;
    std::size_t fractionDigits = 0;
    if (at < plain.size() && plain[at] == '.') {
        for (++at; at < plain.size() && IsDigit(plain[at]) && fractionDigits < 6; ++at) {
            fraction = fraction || plain[at] != '0';
            ++fractionDigits;
        }
    }
    if (at != plain.size() || wholeDigits + fractionDigits == 0) return std::nullopt;
    if (plain[0] == '-') value = fraction ? -value - 1 : -value;
    return value < -32768 || value > 32767 ? 0 : static_cast<std::int16_t>(value);
}

// The path up to its last ":" or "\" character, less that "\"; empty when
// it has neither. Neither byte is ever a lead byte, so one that starts a
// character is that character.
std::string ExpectedFolder(std::string_view path) {
    std::string_view folder;
    for (std::size_t at : CharacterStarts(path)) {
        if (path[at] == ':') folder = path.substr(0, at + 1);
        if (path[at] == '\\') folder = path.substr(0, at);
    }
    return std::string(folder);
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
    if (BgmFolder != (kept ? ExpectedFolder(profile.file) : kFolder)) std::abort();
    // A music-file choice never outlives its file.
    if (BgmKind == kMusicFile && !kept) std::abort();
    if (const std::optional<std::int16_t> kind = ExpectedNumber(profile.kind)) {
        if (BgmKind != (*kind == 2 && !kept ? 0 : *kind)) std::abort();
    }
    const std::optional<std::int16_t> repeat = ExpectedNumber(profile.repeat);
    if (repeat && BgmRepeat != *repeat) std::abort();
    return 0;
}
