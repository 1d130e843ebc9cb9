// The saver's small window toolkit's form: a window whose state hangs off
// its handle and whose messages go to the handlers of a subclass. The run
// window, the preview window and the settings dialog are made of these.
#pragma once

#include <windows.h>

class FormWindow {
  public:
    FormWindow() = default;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    // Registers the class once, with classStyle, and creates the window, not
    // shown; false when either fails. parent owns a top-level window. The
    // names are in code page 932.
    bool Create(HINSTANCE instance, const char* className, const char* caption, DWORD style,
                HWND parent, UINT classStyle = 0, DWORD extendedStyle = 0);
    HWND Handle() const { return window_; }

  protected:
    // Runs for every message; returns what the window procedure returns.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnPaint(HDC) {}
    virtual void OnTimer(UINT_PTR) {}
    // The close request (WM_CLOSE, or the end of the session); the default
    // destroys the window.
    virtual void OnCloseRequest();
    // The window is going (WM_DESTROY).
    virtual void OnUnload() {}

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND window_ = nullptr;
};
