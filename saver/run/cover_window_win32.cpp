#include "cover_window_win32.h"

#include "handover.h"

namespace {

constexpr char kClassName[] = "Tesselune_Cover";

}  // namespace

bool CoverWindow::Show(HINSTANCE instance, HWND runWindow) {
    // NOTE: topmost, or the task bar and other topmost windows stay in
    // sight; no-activate, so a click on it leaves the keyboard with the
    // viewer, where a key press ends the run.
    if (!Create(instance, kClassName, "", WS_POPUP, runWindow, 0,
                WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW)) {
        return false;
    }
    SetWindowPos(Handle(), HWND_TOPMOST, GetSystemMetrics(SM_XVIRTUALSCREEN),
                 GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(Handle());
    viewerWatch_.Attach(Handle());
    viewerWatch_.SetEnabled(true);
    return true;
}

LRESULT CoverWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return FormWindow::OnMessage(message, wParam, lParam);
}

void CoverWindow::OnPaint(HDC dc) {
    RECT area = {};
    GetClientRect(Handle(), &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// NOTE: the viewer opens an ordinary window, which would stay below a
// topmost cover; it is made topmost too the moment it exists, so it opens
// above the cover. Checked far more often than the run's watch for its end,
// so that the viewer is not hidden behind black for a moment.
void CoverWindow::OnTimer(UINT_PTR) {
    HWND viewer = FindWindowA(nullptr, kViewerWindowName);
    if (!viewer) return;
    // Posted, not sent: a viewer that is busy starting must not hold up the
    // run's own timers.
    SetWindowPos(viewer, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    viewerWatch_.SetEnabled(false);
}
