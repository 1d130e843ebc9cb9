// The saver's one message loop, on its one thread. Besides the messages, it
// waits on one handle that a window asks it to watch (during a run, the
// viewer's process), and tells that window the moment the handle is
// signalled, rather than at a timer's next tick.
#pragma once

#include <windows.h>

// From now on, once handle is signalled, the loop sends message to window,
// once. The handle stays its caller's, and must stay open while watched.
void WatchHandle(HANDLE handle, HWND window, UINT message);

// Dispatches messages until WM_QUIT; its wParam.
int RunMessageLoop();
