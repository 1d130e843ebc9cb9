#include "message_loop_win32.h"

namespace {

struct HandleWatch {
    HANDLE handle = nullptr;
    HWND window = nullptr;
    UINT message = 0;
};

// The one handle watched; the loop and WatchHandle run on the one thread.
HandleWatch Watched;

}  // namespace

void WatchHandle(HANDLE handle, HWND window, UINT message) {
    Watched = HandleWatch{handle, window, message};
}

int RunMessageLoop() {
    for (;;) {
        const DWORD count = Watched.handle ? 1 : 0;
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, &Watched.handle, INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (count == 1 && woken == WAIT_OBJECT_0) {
            const HandleWatch signalled = Watched;
            Watched = HandleWatch{};
            SendMessageA(signalled.window, signalled.message, 0, 0);
            continue;
        }
        // NOTE: a failed wait (a handle closed while watched) must not spin.
        if (woken == WAIT_FAILED) Watched = HandleWatch{};
        MSG message = {};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return int(message.wParam);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
