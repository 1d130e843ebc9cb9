// How code page 932 text splits into characters, worked out here from the
// lead byte ranges alone, so that the fuzzers check the code's walking of
// text against something that does not share it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Where each character of text starts: a lead byte (0x81 to 0x9F or 0xE0 to
// 0xFC) with a byte after it starts a two-byte character, any other byte a
// one-byte character.
inline std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size();) {
        starts.push_back(at);
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        at += lead && at + 1 < text.size() ? 2 : 1;
    }
    return starts;
}
