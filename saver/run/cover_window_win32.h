// The black cover over every monitor during a run. The viewer's window is
// 1024 x 768 at the top-left; on a larger screen, or beside other monitors,
// the cover keeps the rest of the desktop out of sight.
#pragma once

#include "form_window_win32.h"
#include "window_timer_win32.h"

class CoverWindow final : public FormWindow {
  public:
    // Makes the cover, owned by the run window, over the whole virtual screen
    // and shows it without taking the focus; false when it cannot be made.
    // It lifts the viewer's window above itself and hands it the foreground
    // as soon as that appears, follows every change of the monitors, and
    // hides itself as soon as that window has gone.
    bool Show(HINSTANCE instance, HWND runWindow);
    // Takes the cover off the screen for the rest of the run.
    void Hide();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    void OnTimer(UINT_PTR id) override;

  private:
    void Fit(UINT flags);
    void FindViewer();

    WindowTimer viewerWatch_{1, 20};
    // The viewer's window once it has been seen; null before.
    HWND viewer_ = nullptr;
};
