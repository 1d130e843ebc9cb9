#include "form_window_win32.h"

#include "wide_text_win32.h"

namespace {

FormWindow* FormOf(HWND window) {
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

FormWindow::~FormWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

// NOTE: Unicode windows, so that a window's text (a screen reader reads the
// Command buttons' captions from it) keeps its Japanese on any system.
bool FormWindow::Create(HINSTANCE instance, const char* className, const char* caption, DWORD style,
                        HWND parent, UINT classStyle, DWORD extendedStyle) {
    const std::wstring wideClassName = WideFromCp932(className);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance, wideClassName.c_str(), &windowClass)) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = classStyle;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = wideClassName.c_str();
        if (!RegisterClassExW(&windowClass)) return false;
    }
    return CreateWindowExW(extendedStyle, wideClassName.c_str(), WideFromCp932(caption).c_str(),
                           style, 0, 0, 0, 0, parent, nullptr, instance, this) != nullptr;
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
            return DefWindowProcW(window_, message, wParam, lParam);
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
            static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    FormWindow* form = FormOf(window);
    if (!form) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = form->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
    }
    return result;
}
