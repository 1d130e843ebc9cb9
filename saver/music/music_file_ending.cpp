#include "music_file_ending.h"

#include "ansi_text.h"

#include <vector>

namespace {

constexpr std::size_t kEndingCharacters = 3;

}  // namespace

std::string MusicFileEnding(std::string_view path) {
    std::vector<std::size_t> starts;
    for (std::size_t index = 0; index < path.size(); index += AnsiCharacterLength(path, index)) {
        starts.push_back(index);
    }
    const std::size_t first =
        starts.size() > kEndingCharacters ? starts[starts.size() - kEndingCharacters] : 0;
    return AnsiUpperCase(path.substr(first));
}
