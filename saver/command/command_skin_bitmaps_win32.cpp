#include "command_skin_bitmaps_win32.h"

#include "command_skin_resources.h"

#include <cstddef>

namespace {

int ResourceOf(CommandSkin skin) {
    switch (skin) {
        case CommandSkin::Normal:
            return IDB_COMMAND_NORMAL;
        case CommandSkin::HighLight:
            return IDB_COMMAND_HIGHLIGHT;
        case CommandSkin::Selected:
            return IDB_COMMAND_SELECTED;
        case CommandSkin::HighLightSelect:
            return IDB_COMMAND_HIGHLIGHTSELECT;
        case CommandSkin::Pressed:
            return IDB_COMMAND_PRESSED;
        case CommandSkin::Disable:
            return IDB_COMMAND_DISABLE;
    }
    return 0;
}

std::size_t IndexOf(CommandSkin skin) {
    return static_cast<std::size_t>(skin);
}

}  // namespace

CommandSkinBitmaps::CommandSkinBitmaps(HINSTANCE instance) {
    for (const CommandSkin skin : kCommandSkins) {
        pictures_[IndexOf(skin)].LoadBitmapResource(instance, ResourceOf(skin));
    }
}

const CommandSkinBitmaps& CommandSkinBitmaps::Loaded(HINSTANCE instance) {
    static const CommandSkinBitmaps bitmaps(instance);
    return bitmaps;
}

const PictureSurface& CommandSkinBitmaps::Of(CommandSkin skin) const {
    return pictures_[IndexOf(skin)];
}
