// Writes the settings dialog's pictures (strip.bmp, radio_off.bmp,
// radio_on.bmp, hand.cur) into the folder given (the current one without an
// argument). The committed copies live in saver/art/; run this again there
// after changing how they are drawn.
#include "dialog_art.h"

#include <cstdio>
#include <string>

namespace {

bool WriteWhole(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } pictures[] = {
        {"strip.bmp", StripBitmap()},
        {"radio_off.bmp", RadioBitmap(RadioPicture::NotChosen)},
        {"radio_on.bmp", RadioBitmap(RadioPicture::Chosen)},
        {"hand.cur", HandCursorFile()},
    };
    for (const auto& picture : pictures) {
        const std::string path = folder + picture.name;
        if (!WriteWhole(path, picture.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
