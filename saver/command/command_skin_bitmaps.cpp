#include "command_skin_bitmaps.h"

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
        // NOTE: as a DIB section, so the frames keep their 24-bit colours
        // whatever the screen's depth.
        bitmaps_[IndexOf(skin)] = static_cast<HBITMAP>(LoadImageW(
            instance, MAKEINTRESOURCEW(ResourceOf(skin)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
}

CommandSkinBitmaps::~CommandSkinBitmaps() {
    for (HBITMAP bitmap : bitmaps_) {
        if (bitmap) DeleteObject(bitmap);
    }
}

const CommandSkinBitmaps& CommandSkinBitmaps::Loaded(HINSTANCE instance) {
    static const CommandSkinBitmaps bitmaps(instance);
    return bitmaps;
}

HBITMAP CommandSkinBitmaps::Of(CommandSkin skin) const {
    const std::size_t index = IndexOf(skin);
    return index < bitmaps_.size() ? bitmaps_[index] : nullptr;
}
