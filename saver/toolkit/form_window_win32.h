// The saver's small window toolkit: a window whose state hangs off its
// handle and whose messages go to the handlers of a subclass, a picture
// surface with a persistent off-screen image, and window timers. The run
// window, the preview window and the settings dialog are made of these.
#pragma once

#include <windows.h>

#include <cstdint>

class FormWindow {
  public:
    FormWindow() = default;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    // Registers the class once, with classStyle, and creates the window, not
    // shown; false when either fails. parent owns a top-level window.
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

// A part of a window that draws and keeps a picture: its off-screen image
// survives anything done to the screen, and is what a save writes. A surface
// without an image is only a size.
class PictureSurface {
  public:
    PictureSurface() = default;
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;
    ~PictureSurface();

    // Sizes the surface; with an image, a new 24-bit one, black. False when
    // the image cannot be had (the surface then has none).
    bool Resize(int width, int height, bool withImage);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The off-screen image's device context; null without an image.
    HDC Dc() const { return dc_; }
    // Takes the size and pixels of the BITMAP resource resourceId; false
    // leaves the surface without an image.
    bool LoadBitmapResource(HINSTANCE instance, int resourceId);
    // The image's pixels as red, green, blue per pixel, bottom row first.
    bool ReadRgb(std::uint8_t* rgb) const;

  private:
    void Release();

    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ formerBitmap_ = nullptr;
    const std::uint8_t* bits_ = nullptr;
};

// A window timer that ticks into its window's OnTimer with its own id.
class WindowTimer {
  public:
    WindowTimer(UINT_PTR id, UINT interval) : id_(id), interval_(interval) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

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
