#include "cp932_text.h"

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t Cp932CharacterLength(std::string_view text, std::size_t index) {
    const bool lead = IsCp932LeadByte(static_cast<unsigned char>(text[index]));
    return lead && index + 1 < text.size() ? 2 : 1;
}

std::string_view LeftCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
        end += Cp932CharacterLength(text, end);
    }
    return text.substr(0, end);
}

bool Cp932Contains(std::string_view text, std::string_view word) {
    for (std::size_t at = 0; at < text.size(); at += Cp932CharacterLength(text, at)) {
        if (text.substr(at, word.size()) == word) return true;
    }
    return word.empty();
}

std::string Cp932UpperCase(std::string_view text) {
    std::string upper(text);
    for (std::size_t at = 0; at < upper.size(); at += Cp932CharacterLength(upper, at)) {
        if (upper[at] >= 'a' && upper[at] <= 'z') upper[at] = char(upper[at] - 'a' + 'A');
    }
    return upper;
}
