#include "viewer_window_win32.h"

#include "handover.h"
#include "snapshot_place_win32.h"
#include "viewer_context.h"

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;

ViewerContext* ContextOf(HWND window) {
    return reinterpret_cast<ViewerContext*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The context hangs off the window from its creation, before any message
// that needs it; a paint that comes before the start draws nothing.
void OnNcCreate(HWND window, const CREATESTRUCTA& creation) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation.lpCreateParams));
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (ViewerContext* context = ContextOf(window)) RenderFrame(*context);
    EndPaint(window, &paint);
}

// Drawing stops at once, so the pass that sees the key draws no closing
// frame; what the viewer holds is given back once, after the loop.
void OnKeyDown(HWND window) {
    if (ViewerContext* context = ContextOf(window)) context->ready = 0;
    PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK ViewerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            OnNcCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND OpenViewerWindow(ViewerContext& context, HINSTANCE instance, SIZE& client, int show) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = ViewerWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kViewerWindowName;
    if (!RegisterClassExA(&windowClass)) return nullptr;

    ShowCursor(FALSE);

    // Topmost from its creation: during a run the saver's black cover is
    // topmost over every monitor, and an ordinary window would open below it.
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kViewerWindowName, kViewerWindowName, WS_POPUP, 0,
                                  0, kWindowWidth, kWindowHeight, GetDesktopWindow(), nullptr,
                                  instance, &context);
    if (!window) {
        UnregisterClassA(kViewerWindowName, instance);
        return nullptr;
    }

    RECT area = {};
    GetClientRect(window, &area);
    client = {area.right - area.left, area.bottom - area.top};
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

void CloseViewerWindow(HWND window, HINSTANCE instance) {
    DestroyWindow(window);
    UnregisterClassA(kViewerWindowName, instance);
}

int RunMessageLoop(ViewerContext& context) {
    MSG message = {};
    bool quitting = false;
    int exitCode = 0;
    while (!quitting) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // NOTE: the pass goes on draining the queue after WM_QUIT, and a
            // key-up or timer message may still follow it, so its code is
            // kept here rather than read from the last message.
            if (message.message == WM_QUIT) {
                quitting = true;
                exitCode = int(message.wParam);
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        RenderFrame(context);
    }
    return exitCode;
}

int RunViewer(ViewerContext& context, HINSTANCE instance) {
    SIZE client = {};
    HWND window = OpenViewerWindow(context, instance, client);
    if (!window) return 0;
    int exitCode = 0;
    if (StartViewer(context, window, client.cx, client.cy, SnapshotPath()) == 0) {
        exitCode = RunMessageLoop(context);
    }
    StopViewer(context);
    CloseViewerWindow(window, instance);
    return exitCode;
}
