// Feeds arbitrary argument strings to the saver's reading of the command
// line, behind a program path quoted and not. Beyond answering safely, the
// argument string is what follows the path and its one blank (nothing when
// the path stands alone), and the mode letter and the preview handle agree
// with a model of code page 932 characters made here from the lead byte
// ranges.
#include "command_line.h"
#include "cp932_model.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The second character, a one-byte small letter upper-cased; empty when the
// text has fewer than two characters.
std::string ExpectedModeLetter(std::string_view arguments) {
    const std::vector<std::size_t> starts = CharacterStarts(arguments);
    if (starts.size() < 2) return {};
    const std::size_t end = starts.size() > 2 ? starts[2] : arguments.size();
    std::string letter(arguments.substr(starts[1], end - starts[1]));
    if (letter.size() == 1 && letter[0] >= 'a' && letter[0] <= 'z') letter[0] -= 'a' - 'A';
    return letter;
}

// What follows the first three characters.
std::string_view HandleText(std::string_view arguments) {
    const std::vector<std::size_t> starts = CharacterStarts(arguments);
    return starts.size() > 3 ? arguments.substr(starts[3]) : std::string_view();
}

// The handle that text of a sign and up to 18 digits, ended by a character
// that cannot go on with a number, stands for: 0 beyond 32 bits. Empty for
// any other text.
std::optional<std::int32_t> PlainHandle(std::string_view text) {
    std::size_t at = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    std::int64_t value = 0;
    const std::size_t digitsStart = at;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        if (at - digitsStart == 18) return std::nullopt;
        value = value * 10 + (text[at] - '0');
    }
    if (at == digitsStart) return std::nullopt;
    if (at < text.size() &&
        std::string_view("0123456789.EeDd \t\n").find(text[at]) != std::string_view::npos) {
        return std::nullopt;
    }
    if (text[0] == '-') value = -value;
    return value < INT32_MIN || value > INT32_MAX ? 0 : static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view arguments(reinterpret_cast<const char*>(data), size);
    if (ArgumentsOf("\"C:\\Program Files\\Tesselune.scr\" " + std::string(arguments)) !=
            arguments ||
        ArgumentsOf("C:\\TESSEL~1.SCR\t" + std::string(arguments)) != arguments) {
        std::abort();
    }
    const bool blankFirst = !arguments.empty() && (arguments[0] == ' ' || arguments[0] == '\t');
    if (ArgumentsOf("\"C:\\a b\\Tesselune.scr\"" + std::string(arguments)) !=
        arguments.substr(blankFirst ? 1 : 0)) {
        std::abort();
    }
    // A path alone leaves no arguments, quoted or not, its quote closed or not.
    std::string path;
    for (char c : arguments) {
        if (c != ' ' && c != '\t' && c != '"') path += c;
    }
    if (!ArgumentsOf(path).empty() || !ArgumentsOf('"' + path + '"').empty() ||
        !ArgumentsOf('"' + path).empty()) {
        std::abort();
    }

    if (ModeLetter(arguments) != ExpectedModeLetter(arguments)) std::abort();

    const std::string_view handleText = HandleText(arguments);
    const std::int32_t handle = PreviewHostHandle(arguments);
    if (handle != PreviewHostHandle("/p " + std::string(handleText))) std::abort();
    const std::optional<std::int32_t> plain = PlainHandle(handleText);
    if (plain && handle != *plain) std::abort();
    return 0;
}
