// For in-process window tests: lets the test's own windows run for a while,
// so that their messages are handled and their timers tick.
#pragma once

#include <windows.h>

inline void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
}
