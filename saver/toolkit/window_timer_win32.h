// A window timer that ticks into its window's OnTimer with its own id.
#pragma once

#include <windows.h>

class WindowTimer {
  public:
    WindowTimer(UINT_PTR id, UINT interval) : id_(id), interval_(interval) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    // Stops the timer, so that it never ticks into a window that outlives it.
    ~WindowTimer() { SetEnabled(false); }

    void Attach(HWND window) { window_ = window; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    UINT_PTR Id() const { return id_; }

  private:
    HWND window_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};
