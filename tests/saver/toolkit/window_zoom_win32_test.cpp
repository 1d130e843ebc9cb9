#include "window_zoom_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// NOTE: Wine does not animate (DrawAnimatedRects is a stub there), so what
// can be checked is that the routines absorb every failure of their calls.
// A handle that names no window keeps the test away from the desktop window,
// which takes seconds to come up in a fresh Wine session.
TEST(WindowZoom, AbsorbsAHandleThatNamesNoWindow) {
    const HWND noWindow = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x7FFF0));
    ASSERT_FALSE(IsWindow(noWindow));
    for (const POINT point : {POINT{0, 0}, POINT{-32768, 32767}}) {
        ZoomPointX = static_cast<std::int16_t>(point.x);
        ZoomPointY = static_cast<std::int16_t>(point.y);
        ZoomOpen(noWindow);
        ZoomClose(noWindow);
        ZoomOpen(nullptr);
        ZoomClose(nullptr);
    }
    ZoomPointX = 0;
    ZoomPointY = 0;
}

}  // namespace
