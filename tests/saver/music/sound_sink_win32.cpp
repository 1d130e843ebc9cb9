#include "sound_sink_win32.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr std::size_t kHeaderBytes = 44;

}  // namespace

std::size_t SinkSoundEnd(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    // Silence is all zero bytes in every PCM format the device may choose.
    for (std::size_t end = bytes.size(); end > kHeaderBytes; --end) {
        if (bytes[end - 1] != 0) return end;
    }
    return 0;
}

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}
