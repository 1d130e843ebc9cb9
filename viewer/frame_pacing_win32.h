// The Win32 side of the pacing: asks the driver for vsync, reads the
// performance counter and waits on a timer while answering messages.
#pragma once

#include <windows.h>

struct ViewerContext;

// Asks for the swap interval that fits the refresh rate of the window's
// monitor (WGL_EXT_swap_control, with the GL context current) and starts
// the pacing with what the driver accepted.
void AskForVsync(ViewerContext& context);

// The frame clock: the performance counter and one waitable timer, high
// resolution where Windows has one.
class FrameClock {
  public:
    FrameClock();
    ~FrameClock();
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    double Now() const;

    // Dispatches every message as it comes until seconds have passed (below
    // 0: until the display is on again) or WM_QUIT has come, which sets
    // quitting and exitCode.
    void WaitAnsweringMessages(const ViewerContext& context, double seconds, bool& quitting,
                               int& exitCode);

  private:
    bool MessagesCame(double deadline) const;

    LARGE_INTEGER frequency_ = {};
    HANDLE timer_ = nullptr;
    bool coarseTimer_ = false;
};

// Dispatches what the queue holds; WM_QUIT sets quitting and exitCode.
void DispatchMessages(bool& quitting, int& exitCode);
