// The desktop as the account would see it with no window on it: its
// wallpaper laid out in the account's style over its background colour.
#pragma once

#include "picture_surface_win32.h"

// Draws the desktop of a screenWidth x screenHeight screen, without its
// windows, squeezed into the whole of picture's image the way the capture
// squeezes the screen. Without a wallpaper, or with one that cannot be read
// or decoded, it is the background colour alone.
void DrawDesktopWallpaper(const PictureSurface& picture, int screenWidth, int screenHeight);
