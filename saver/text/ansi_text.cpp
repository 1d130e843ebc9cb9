#include "ansi_text.h"

namespace {

AnsiLeadBytes& RuleInUse() {
    static AnsiLeadBytes rule = AnsiLeadBytes::Cp932();
    return rule;
}

}  // namespace

AnsiLeadBytes AnsiLeadBytes::Cp932() {
    AnsiLeadBytes rule;
    rule.AddRange(0x81, 0x9F);
    rule.AddRange(0xE0, 0xFC);
    return rule;
}

void AnsiLeadBytes::AddRange(unsigned char first, unsigned char last) {
    for (unsigned int byte = first; byte <= last; ++byte) lead_.set(byte);
}

void UseAnsiLeadBytes(const AnsiLeadBytes& rule) {
    RuleInUse() = rule;
}

std::size_t AnsiCharacterLength(std::string_view text, std::size_t index) {
    const bool lead = RuleInUse().IsLeadByte(static_cast<unsigned char>(text[index]));
    return lead && index + 1 < text.size() ? 2 : 1;
}

std::string_view LeftCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
        end += AnsiCharacterLength(text, end);
    }
    return text.substr(0, end);
}

bool AnsiContains(std::string_view text, std::string_view word) {
    for (std::size_t at = 0; at < text.size(); at += AnsiCharacterLength(text, at)) {
        if (text.substr(at, word.size()) == word) return true;
    }
    return word.empty();
}

std::string AnsiUpperCase(std::string_view text) {
    std::string upper(text);
    for (std::size_t at = 0; at < upper.size(); at += AnsiCharacterLength(upper, at)) {
        if (upper[at] >= 'a' && upper[at] <= 'z') upper[at] = char(upper[at] - 'a' + 'A');
    }
    return upper;
}
