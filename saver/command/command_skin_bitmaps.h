// The six skins as GDI bitmaps, loaded from the program's resources once
// per process and kept until it ends: every Command button copies its
// frames from the same six.
#pragma once

#include "command_skin.h"

#include <windows.h>

#include <array>

class CommandSkinBitmaps {
  public:
    CommandSkinBitmaps(const CommandSkinBitmaps&) = delete;
    CommandSkinBitmaps& operator=(const CommandSkinBitmaps&) = delete;
    ~CommandSkinBitmaps();

    // The process's one set; the first call loads it from instance.
    static const CommandSkinBitmaps& Loaded(HINSTANCE instance);

    // Null when the skin could not be loaded.
    HBITMAP Of(CommandSkin skin) const;

  private:
    explicit CommandSkinBitmaps(HINSTANCE instance);

    std::array<HBITMAP, kCommandSkins.size()> bitmaps_ = {};
};
