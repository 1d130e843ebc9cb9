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
