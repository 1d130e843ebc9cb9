#include "screen_dpi_win32.h"

#include "dpi_scale.h"

#include <windows.h>

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return kDesignDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}
