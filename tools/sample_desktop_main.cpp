// sample_desktop PATH [WIDTH HEIGHT]: writes the made-up desktop as a 24-bit
// bottom-up bitmap, 512 x 512 unless told otherwise, in the snapshot format.
#include "desktop_picture.h"
#include "snapshot_bitmap.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr std::int32_t kDefaultSize = 512;
constexpr long kLargestSide = 8192;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool ReadSide(const char* text, std::int32_t& side) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 1 || value > kLargestSide) return false;
    side = std::int32_t(value);
    return true;
}

// fclose is checked too: a full disk may only show when the buffer is flushed.
bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    std::int32_t width = kDefaultSize;
    std::int32_t height = kDefaultSize;
    const bool sized = argc == 4 && ReadSide(argv[2], width) && ReadSide(argv[3], height);
    if (argc != 2 && !sized) {
        std::fprintf(stderr, "usage: sample_desktop PATH [WIDTH HEIGHT] (sides 1 to %ld)\n",
                     kLargestSide);
        return 2;
    }
    const std::vector<std::uint8_t> rgb = PaintSampleDesktop(width, height);
    if (!WriteFile(argv[1], EncodeSnapshotBitmap(width, height, rgb.data()))) {
        std::fprintf(stderr, "sample_desktop: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
