#include "command_line.h"

#include "ansi_text.h"
#include "numeric_literal.h"

#include <optional>

namespace {

// The handle starts at the fourth character: "/p 1234" and "/p:1234".
constexpr std::size_t kCharactersBeforeHandle = 3;

}  // namespace

std::string_view ArgumentsOf(std::string_view commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t closing = commandLine.find('"', 1);
        end = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        end = commandLine.find_first_of(" \t");
        if (end == std::string_view::npos) end = commandLine.size();
    }
    // NOTE: a quoted path may be followed by its arguments without a blank.
    if (end < commandLine.size() && (commandLine[end] == ' ' || commandLine[end] == '\t')) ++end;
    return commandLine.substr(end);
}

std::string ModeLetter(std::string_view arguments) {
    if (arguments.empty()) return {};
    const std::size_t second = AnsiCharacterLength(arguments, 0);
    if (second >= arguments.size()) return {};
    return AnsiUpperCase(arguments.substr(second, AnsiCharacterLength(arguments, second)));
}

std::int32_t PreviewHostHandle(std::string_view arguments) {
    // Counted by character, as the mode letter is.
    const std::size_t start = LeftCharacters(arguments, kCharactersBeforeHandle).size();
    const std::optional<double> number = ReadNumericLiteral(arguments.substr(start));
    if (!number) return 0;
    return RoundHalfEvenToInt32(*number).value_or(0);
}
