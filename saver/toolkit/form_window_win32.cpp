#include "form_window_win32.h"

namespace {

FormWindow* FormOf(HWND window) {
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

FormWindow::~FormWindow() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool FormWindow::Create(HINSTANCE instance, const char* className, const char* caption, DWORD style,
                        HWND parent, UINT classStyle, DWORD extendedStyle) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExA(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = classStyle;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (!RegisterClassExA(&windowClass)) return false;
    }
    return CreateWindowExA(extendedStyle, className, caption, style, 0, 0, 0, 0, parent, nullptr,
                           instance, this) != nullptr;
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT:
            OnPaint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            // The paint routine covers every pixel itself.
            return 1;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_CLOSE:
            OnCloseRequest();
            return 0;
        case WM_ENDSESSION:
            if (wParam) OnCloseRequest();
            return 0;
        case WM_DESTROY:
            OnUnload();
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void FormWindow::OnCloseRequest() {
    DestroyWindow(window_);
}

void FormWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (dc) OnPaint(dc);
    EndPaint(window_, &paint);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    FormWindow* form = FormOf(window);
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = form->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
    }
    return result;
}

PictureSurface::~PictureSurface() {
    Release();
}

void PictureSurface::Release() {
    if (dc_) {
        SelectObject(dc_, formerBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    formerBitmap_ = nullptr;
    bits_ = nullptr;
}

bool PictureSurface::Resize(int width, int height, bool withImage) {
    Release();
    width_ = width;
    height_ = height;
    if (!withImage) return true;

    // NOTE: a DIB section of its own depth, not a bitmap compatible with the
    // screen, so the image is 24-bit whatever the screen's colour depth.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = bitmap_ ? CreateCompatibleDC(nullptr) : nullptr;
    if (!dc_) {
        Release();
        return false;
    }
    formerBitmap_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<const std::uint8_t*>(bits);
    return true;
}

bool PictureSurface::LoadBitmapResource(HINSTANCE instance, int resourceId) {
    Release();
    HBITMAP loaded = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!loaded) return false;
    BITMAP size = {};
    bool copied = false;
    if (GetObjectW(loaded, sizeof(size), &size) && Resize(size.bmWidth, size.bmHeight, true)) {
        HDC source = CreateCompatibleDC(nullptr);
        if (source) {
            HGDIOBJ former = SelectObject(source, loaded);
            copied = BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY) != FALSE;
            SelectObject(source, former);
            DeleteDC(source);
        }
    }
    DeleteObject(loaded);
    if (!copied) Release();
    return copied;
}

bool PictureSurface::ReadRgb(std::uint8_t* rgb) const {
    if (!bits_) return false;
    GdiFlush();
    const std::size_t stride = (std::size_t(width_) * 3 + 3) / 4 * 4;
    for (int row = 0; row < height_; ++row) {
        const std::uint8_t* bgr = bits_ + stride * std::size_t(row);
        for (int column = 0; column < width_; ++column, bgr += 3, rgb += 3) {
            rgb[0] = bgr[2];
            rgb[1] = bgr[1];
            rgb[2] = bgr[0];
        }
    }
    return true;
}

void WindowTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_ || !window_) return;
    enabled_ = enabled && SetTimer(window_, id_, interval_, nullptr) != 0;
    if (!enabled) KillTimer(window_, id_);
}
