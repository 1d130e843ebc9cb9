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
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Fit(SWP_SHOWWINDOW);
    UpdateWindow(Handle());
    viewerWatch_.Attach(Handle());
    viewerWatch_.SetEnabled(true);
    return true;
}

void CoverWindow::Hide() {
    viewerWatch_.SetEnabled(false);
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

// Over the whole virtual screen: every monitor, wherever it lies. Its place
// among the windows stays as it is: a refit during the run must not lift the
// cover above the viewer.
void CoverWindow::Fit(UINT flags) {
    SetWindowPos(Handle(), nullptr, GetSystemMetrics(SM_XVIRTUALSCREEN),
                 GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

LRESULT CoverWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        // NOTE: a monitor plugged in or woken up, or a changed resolution or
        // scale, changes the virtual screen during the run. The cover was
        // made per-monitor aware, so these read the new size in physical
        // pixels; the DPI change's own proposal of a rectangle is scaled
        // from the old one and is not taken.
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            Fit(0);
            return 0;
        default:
            return FormWindow::OnMessage(message, wParam, lParam);
    }
}

void CoverWindow::OnPaint(HDC dc) {
    RECT area = {};
    GetClientRect(Handle(), &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// Checked far more often than the run's watch for the viewer's end, so that
// the viewer is not hidden behind black for a moment when it comes, and
// black does not stay for a moment when it goes.
void CoverWindow::OnTimer(UINT_PTR) {
    if (!viewer_) {
        FindViewer();
    } else if (!IsWindow(viewer_)) {
        Hide();
    }
}

void CoverWindow::FindViewer() {
    viewer_ = FindWindowA(nullptr, kViewerWindowName);
    if (!viewer_) return;
    // NOTE: the viewer makes its window topmost itself, so that it opens
    // above the cover even while the run is busy opening the music; this
    // lifts the window of a viewer that does not. Posted, not sent: a
    // viewer that is busy starting must not hold up the run's own timers.
    SetWindowPos(viewer_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    // NOTE: the saver never takes the foreground (the cover never activates,
    // the run window is hidden), and Windows does not always pass it on to
    // the viewer: then the keys would stay with the program the user left,
    // and the key meant to end the run would type into it. Refused
    // harmlessly where the saver may not give the foreground away.
    SetForegroundWindow(viewer_);
}
