// Writes the Command button's six skins as <name>.bmp into the folder given
// (the current one without an argument). The committed copies live in
// saver/command/skins/; run this again there after changing the colours.
#include "command_skins.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    for (const CommandSkin skin : kCommandSkins) {
        const std::string path = folder + std::string(CommandSkinName(skin)) + ".bmp";
        const std::vector<std::uint8_t> bitmap = CommandSkinBitmap(skin);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        const bool written = std::fwrite(bitmap.data(), 1, bitmap.size(), file) == bitmap.size();
        if (std::fclose(file) != 0 || !written) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
