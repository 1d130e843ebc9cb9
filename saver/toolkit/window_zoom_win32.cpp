#include "window_zoom_win32.h"

#include <windows.h>

std::int16_t ZoomPointX = 0;
std::int16_t ZoomPointY = 0;

namespace {

RECT ZoomPoint() {
    return RECT{ZoomPointX, ZoomPointY, ZoomPointX, ZoomPointY};
}

RECT WindowRectangle(HWND window) {
    RECT rectangle = {};
    GetWindowRect(window, &rectangle);
    return rectangle;
}

}  // namespace

void ZoomOpen(HWND window) {
    const RECT from = ZoomPoint();
    const RECT to = WindowRectangle(window);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomClose(HWND window) {
    const RECT from = WindowRectangle(window);
    const RECT to = ZoomPoint();
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}
