// The run's photograph of the screen and the snapshot file made of it.
#pragma once

#include "picture_surface_win32.h"

#include <string>

// Squeezes the screen's top-left sourceWidth x sourceHeight pixels into the
// whole of picture's image, dropping rows and columns (COLORONCOLOR) rather
// than averaging them; the aspect ratio is not kept. Where the screen is not
// the user's desktop, or cannot be copied, the picture is the desktop's
// wallpaper instead, squeezed the same way.
void CaptureScreen(const PictureSurface& picture, int sourceWidth, int sourceHeight);

// Writes picture's image to path as a 24-bit snapshot bitmap, replacing any
// earlier file whole or not at all; false unless the new file took the
// earlier one's place.
bool SaveSnapshot(const PictureSurface& picture, const std::wstring& path);
