#include "viewer_window_win32.h"

#include "frame_pacing_win32.h"
#include "handover.h"
#include "snapshot_place_win32.h"
#include "viewer_context.h"
#include "window_size.h"

#include <cstring>

namespace {

// GUID_CONSOLE_DISPLAY_STATE, whose data is 0 off, 1 on, 2 dimmed.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

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

// Drawing stops at once, so the pass that sees the end draws no closing
// frame; what the viewer holds is given back after the loop, and only then
// does the window go.
void EndRun(HWND window) {
    if (ViewerContext* context = ContextOf(window)) context->ready = 0;
    PostQuitMessage(0);
}

void OnActivateApp(HWND window, bool active) {
    ViewerContext* context = ContextOf(window);
    if (!context) return;
    if (active) {
        context->activated = 1;
    } else if (context->activated) {
        EndRun(window);
    }
}

// NOTE: registering for the display state sends its current value at once.
void OnPowerSettingChange(HWND window, const POWERBROADCAST_SETTING& setting) {
    ViewerContext* context = ContextOf(window);
    DWORD state = 0;
    if (!context || setting.PowerSetting != kConsoleDisplayState ||
        setting.DataLength < sizeof(state)) {
        return;
    }
    std::memcpy(&state, setting.Data, sizeof(state));
    SetDisplayState(context->pacing, state);
}

// Something other than the viewer destroys its window: the GL context is
// given back while the window and its device context are still there.
void OnDestroy(HWND window) {
    if (ViewerContext* context = ContextOf(window)) StopViewer(*context);
    PostQuitMessage(0);
}

// The console display state reaches the window for as long as it lives.
class DisplayStateWatch {
  public:
    explicit DisplayStateWatch(HWND window)
        : notification_(RegisterPowerSettingNotification(window, &kConsoleDisplayState,
                                                         DEVICE_NOTIFY_WINDOW_HANDLE)) {}
    ~DisplayStateWatch() {
        if (notification_) UnregisterPowerSettingNotification(notification_);
    }
    DisplayStateWatch(const DisplayStateWatch&) = delete;
    DisplayStateWatch& operator=(const DisplayStateWatch&) = delete;

  private:
    HPOWERNOTIFY notification_;
};

// The viewer's 1024 x 768 pixels are pixels of 96 dpi; the viewer is per
// monitor aware, so it scales them itself, by the primary monitor's dpi.
WindowSize ViewerWindowSize() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return ScaledWindowSize(dpi, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
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
        // Alt, F10 and every Alt+key come as system keys; Alt+F4 never
        // reaches the default procedure, which would destroy the window
        // under the GL context.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CLOSE:
            EndRun(window);
            return 0;
        case WM_ACTIVATEAPP:
            OnActivateApp(window, wParam != FALSE);
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_POWERSETTINGCHANGE) {
                OnPowerSettingChange(window,
                                     *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
            }
            return TRUE;
        case WM_DESTROY:
            OnDestroy(window);
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
    const WindowSize size = ViewerWindowSize();
    HWND window =
        CreateWindowExA(WS_EX_TOPMOST, kViewerWindowName, kViewerWindowName, WS_POPUP, 0, 0,
                        size.width, size.height, GetDesktopWindow(), nullptr, instance, &context);
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
    AskForVsync(context);
    FrameClock clock;
    bool quitting = false;
    int exitCode = 0;
    for (;;) {
        DispatchMessages(quitting, exitCode);
        const double frameStart = clock.Now();
        RenderFrame(context);
        if (quitting) return exitCode;
        const double wait =
            context.pacing.displayOn ? FrameWait(context.pacing, frameStart, clock.Now()) : -1;
        if (wait != 0) clock.WaitAnsweringMessages(context, wait, quitting, exitCode);
    }
}

int RunViewer(ViewerContext& context, HINSTANCE instance) {
    SIZE client = {};
    HWND window = OpenViewerWindow(context, instance, client);
    if (!window) return 0;
    int exitCode = 0;
    {
        DisplayStateWatch displayState(window);
        if (StartViewer(context, window, client.cx, client.cy, SnapshotPath()) == 0) {
            exitCode = RunMessageLoop(context);
        }
        StopViewer(context);
    }
    CloseViewerWindow(window, instance);
    return exitCode;
}
