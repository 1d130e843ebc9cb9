// Stands in for the viewer to see the saver's cursor count, which nothing
// outside the saver's own thread can read. Put beside the saver as
// Tesselune.dll, it shows the window the saver watches for, joins the input
// state of the saver's run window's thread, and writes to the file named by
// TESSELUNE_CURSOR_REPORT the line "during=N", N being the cursor's display
// count while the run goes on. Then it ends, and with it the run.
//
// NOTE: the count after the run cannot be seen this way: when the saver's
// thread ends, Wine gives the joined thread a fresh input state.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char kViewerTitle[] = "Tesselune_VC";
constexpr char kRunTitle[] = "Tesselune_Main";
constexpr int kTries = 250;
constexpr DWORD kPause = 20;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// NOTE: ShowCursor gives back the new count of the input state it changed;
// with the inputs joined that is the saver's. Undone at once.
int CursorCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const char* reportPath = std::getenv("TESSELUNE_CURSOR_REPORT");
    std::FILE* report = reportPath ? std::fopen(reportPath, "w") : nullptr;
    if (!report) return 1;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kViewerTitle;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, kViewerTitle, kViewerTitle, WS_POPUP | WS_VISIBLE, 0, 0, 64,
                                  64, nullptr, nullptr, instance, nullptr);
    HWND run = nullptr;
    for (int tries = 0; tries < kTries && !(run = FindWindowA(nullptr, kRunTitle)); ++tries) {
        Sleep(kPause);
    }
    const DWORD runThread = run ? GetWindowThreadProcessId(run, nullptr) : 0;
    if (!window || !runThread || !AttachThreadInput(GetCurrentThreadId(), runThread, TRUE)) {
        std::fclose(report);
        return 1;
    }
    std::fprintf(report, "during=%d\n", CursorCount());
    std::fclose(report);
    DestroyWindow(window);
    return 0;
}
