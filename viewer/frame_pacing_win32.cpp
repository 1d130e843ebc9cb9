#include "frame_pacing_win32.h"

#include "frame_pacing.h"
#include "viewer_context.h"

#include <mmsystem.h>

#include <cmath>

namespace {

// NOTE: Windows 10 1803 and later; older Windows refuses the flag.
constexpr DWORD kHighResolutionTimer = 0x00000002;

int RefreshRateOf(HWND window) {
    MONITORINFOEXA monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return 0;
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsA(monitor.szDevice, ENUM_CURRENT_SETTINGS, &mode)) return 0;
    return int(mode.dmDisplayFrequency);
}

}  // namespace

void AskForVsync(ViewerContext& context) {
    using SwapInterval = BOOL(WINAPI*)(int);
    const auto swapInterval = reinterpret_cast<SwapInterval>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    const int refreshHz = RefreshRateOf(context.window);
    const int interval = SwapIntervalFor(refreshHz);
    const bool accepted = context.glContext && swapInterval && swapInterval(interval);
    StartFramePacing(context.pacing, refreshHz, accepted ? interval : 0);
}

FrameClock::FrameClock() {
    QueryPerformanceFrequency(&frequency_);
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
    if (!timer_) {
        // NOTE: an ordinary timer keeps to the system's tick, 15.6 ms by
        // default: about a frame late on every wait without a finer tick.
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
        coarseTimer_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
}

FrameClock::~FrameClock() {
    if (coarseTimer_) timeEndPeriod(1);
    if (timer_) CloseHandle(timer_);
}

double FrameClock::Now() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency_.QuadPart);
}

void FrameClock::WaitAnsweringMessages(const ViewerContext& context, double seconds, bool& quitting,
                                       int& exitCode) {
    const bool untilDisplayOn = seconds < 0;
    const double deadline = Now() + seconds;
    if (!untilDisplayOn && timer_) {
        LARGE_INTEGER due;
        due.QuadPart = -(LONGLONG(seconds * 1e7) + 1);  // relative, in 100 ns
        if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) return;
    }
    while (!quitting && !(untilDisplayOn && context.pacing.displayOn)) {
        if (!MessagesCame(untilDisplayOn ? -1 : deadline)) return;
        DispatchMessages(quitting, exitCode);
    }
}

// True when messages came before the deadline (below 0: no deadline).
bool FrameClock::MessagesCame(double deadline) const {
    DWORD handles = 0;
    DWORD timeout = INFINITE;
    if (deadline >= 0 && timer_) {
        handles = 1;
    } else if (deadline >= 0) {
        const double left = deadline - Now();
        if (left <= 0) return false;
        timeout = DWORD(std::ceil(left * 1000));
    }
    return MsgWaitForMultipleObjectsEx(handles, &timer_, timeout, QS_ALLINPUT,
                                       MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0 + handles;
}

void DispatchMessages(bool& quitting, int& exitCode) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        // NOTE: the drain goes on after WM_QUIT, and a key-up or timer
        // message may still follow it, so its code is kept here rather than
        // read from the last message.
        if (message.message == WM_QUIT) {
            quitting = true;
            exitCode = int(message.wParam);
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
