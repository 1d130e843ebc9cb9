// Looks at top-level windows from inside Wine for the end-to-end tests, the way
// another Windows program (the saver) would see them.
//
//   window_probe find TITLE          prints the window's rectangle, style,
//                                    visibility, process id and program
//   window_probe at X Y              prints the top-level window at a point
//   window_probe close TITLE         posts WM_CLOSE to the window
//   window_probe wait-gone TITLE MS  waits up to MS milliseconds for it to go
//   window_probe display-change CLASS
//                                    moves the window off its place, sends
//                                    it WM_DISPLAYCHANGE and prints it
//   window_probe watch-end TITLE CLASS
//                                    prints "ready" once both windows are
//                                    up, then "hidden_after=MS": how long
//                                    the window of class CLASS stayed
//                                    visible after the other had gone
//
// Exit code 0 on success, 1 when the window is missing (or, for wait-gone
// and watch-end, still there after 10 s), 2 for a malformed command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kDone = 0;
constexpr int kNotSo = 1;
constexpr int kUsage = 2;
constexpr DWORD kWatchLimit = 10000;

void PrintProgram(DWORD processId) {
    char path[MAX_PATH] = {};
    DWORD size = sizeof(path);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process) {
        if (!QueryFullProcessImageNameA(process, 0, path, &size)) path[0] = '\0';
        CloseHandle(process);
    }
    std::printf("program=%s\n", path);
}

void PrintWindow(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    std::printf("handle=%p\ntitle=%s\nleft=%ld\ntop=%ld\nright=%ld\nbottom=%ld\n", (void*)window,
                title, rect.left, rect.top, rect.right, rect.bottom);
    std::printf("style=0x%08lx\nvisible=%d\npid=%lu\n",
                (unsigned long)GetWindowLongA(window, GWL_STYLE), IsWindowVisible(window) ? 1 : 0,
                (unsigned long)processId);
    PrintProgram(processId);
}

int Find(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) return kNotSo;
    PrintWindow(window);
    return kDone;
}

int DisplayChange(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    if (!window) return kNotSo;
    SetWindowPos(window, nullptr, 10, 20, 30, 40, SWP_NOACTIVATE | SWP_NOZORDER);
    SendMessageA(window, WM_DISPLAYCHANGE, 24,
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    PrintWindow(window);
    return kDone;
}

// Polls every few milliseconds; false when the time runs out first.
template <typename Condition>
bool Within(DWORD milliseconds, Condition condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= milliseconds) return false;
        Sleep(5);
    }
    return true;
}

int WatchEnd(const char* title, const char* className) {
    HWND watched = nullptr;
    HWND follower = nullptr;
    const bool up = Within(kWatchLimit, [&] {
        watched = FindWindowA(nullptr, title);
        follower = FindWindowA(className, nullptr);
        return watched && follower && IsWindowVisible(follower);
    });
    if (!up) return kNotSo;
    std::printf("ready\n");
    std::fflush(stdout);
    if (!Within(kWatchLimit, [&] { return !IsWindow(watched); })) return kNotSo;
    const DWORD gone = GetTickCount();
    if (!Within(kWatchLimit, [&] { return !IsWindow(follower) || !IsWindowVisible(follower); })) {
        return kNotSo;
    }
    std::printf("hidden_after=%lu\n", (unsigned long)(GetTickCount() - gone));
    return kDone;
}

int At(const char* x, const char* y) {
    const POINT point = {std::atol(x), std::atol(y)};
    HWND window = WindowFromPoint(point);
    if (!window) return kNotSo;
    // The desktop itself has no root ancestor.
    HWND root = GetAncestor(window, GA_ROOT);
    PrintWindow(root ? root : window);
    return kDone;
}

int Close(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    return window && PostMessageA(window, WM_CLOSE, 0, 0) ? kDone : kNotSo;
}

int WaitGone(const char* title, const char* milliseconds) {
    const DWORD start = GetTickCount();
    const DWORD limit = DWORD(std::strtoul(milliseconds, nullptr, 10));
    while (FindWindowA(nullptr, title)) {
        if (GetTickCount() - start >= limit) return kNotSo;
        Sleep(20);
    }
    return kDone;
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc > 1 ? argv[1] : "";
    if (argc == 3 && std::strcmp(command, "find") == 0) return Find(argv[2]);
    if (argc == 4 && std::strcmp(command, "at") == 0) return At(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(command, "close") == 0) return Close(argv[2]);
    if (argc == 4 && std::strcmp(command, "wait-gone") == 0) return WaitGone(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(command, "display-change") == 0) return DisplayChange(argv[2]);
    if (argc == 4 && std::strcmp(command, "watch-end") == 0) return WatchEnd(argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: window_probe find TITLE | at X Y | close TITLE | "
                 "wait-gone TITLE MS | display-change CLASS | watch-end TITLE CLASS\n");
    return kUsage;
}
