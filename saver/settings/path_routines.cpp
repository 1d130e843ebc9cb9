#include "path_routines.h"

#include "ansi_text.h"

namespace {

// Byte index just past the last character of path that is one of separators,
// or 0 when there is none.
std::size_t EndOfLastSeparator(std::string_view path, std::string_view separators) {
    std::size_t end = 0;
    for (std::size_t index = 0; index < path.size();) {
        const std::size_t length = AnsiCharacterLength(path, index);
        if (length == 1 && separators.find(path[index]) != std::string_view::npos) end = index + 1;
        index += length;
    }
    return end;
}

}  // namespace

std::string FolderOf(std::string_view path) {
    const std::string_view folder = path.substr(0, EndOfLastSeparator(path, ":\\"));
    return std::string(WithoutTrailingSeparator(folder));
}

std::string_view WithoutTrailingSeparator(std::string_view path) {
    std::size_t last = 0;
    for (std::size_t index = 0; index < path.size(); index += AnsiCharacterLength(path, index)) {
        last = index;
    }
    const bool separator = !path.empty() && last == path.size() - 1 && path[last] == '\\';
    return separator ? path.substr(0, last) : path;
}

std::string ProgramFolderOf(std::string_view modulePath) {
    const std::size_t end = EndOfLastSeparator(modulePath, "\\");
    if (end == 0) return std::string();
    std::string folder(modulePath.substr(0, end - 1));
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}
