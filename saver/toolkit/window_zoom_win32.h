// The caption animation of a window opening out of a point on the screen and
// closing back into it.
#pragma once

#include <cstdint>

// NOTE: the tag behind <windows.h>'s STRICT HWND, so callers need no Windows
// headers.
struct HWND__;

// The screen point, in pixels, the settings dialog zooms out of and into.
extern std::int16_t ZoomPointX;
extern std::int16_t ZoomPointY;

// Animates from the zoom point to the window's rectangle; reports nothing.
void ZoomOpen(HWND__* window);

// Animates from the window's rectangle to the zoom point; reports nothing.
void ZoomClose(HWND__* window);
