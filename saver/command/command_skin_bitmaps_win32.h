// The six skins as pictures, loaded from the program's resources once per
// process and kept until it ends: every Command button copies its frames
// from the same six.
#pragma once

#include "command_skin.h"
#include "picture_surface_win32.h"

#include <array>

class CommandSkinBitmaps {
  public:
    CommandSkinBitmaps(const CommandSkinBitmaps&) = delete;
    CommandSkinBitmaps& operator=(const CommandSkinBitmaps&) = delete;

    // The process's one set; the first call loads it from instance.
    static const CommandSkinBitmaps& Loaded(HINSTANCE instance);

    // A picture without an image when the skin could not be loaded.
    const PictureSurface& Of(CommandSkin skin) const;

  private:
    explicit CommandSkinBitmaps(HINSTANCE instance);

    std::array<PictureSurface, kCommandSkins.size()> pictures_;
};
