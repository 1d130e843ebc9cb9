// Plays the display settings' preview box for the preview tests: a
// top-level window whose client area is the box.
//
//   preview_host WIDTH HEIGHT [TITLE]
//       shows the box, prints "handle=N" (decimal), and ends when the box is
//       closed (WM_CLOSE), destroying it and the preview inside. TITLE, if
//       given, replaces the box's own title (to stand in for another
//       program's window).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char kTitle[] = "Tesselune test preview box";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: preview_host WIDTH HEIGHT [TITLE]\n");
        return 2;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kTitle;
    if (!RegisterClassA(&windowClass)) return 1;
    const char* title = argc == 4 ? argv[3] : kTitle;
    HWND box = CreateWindowExA(0, kTitle, title, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                               std::atoi(argv[1]), std::atoi(argv[2]), nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    if (!box) return 1;
    std::printf("handle=%ld\n", long(reinterpret_cast<INT_PTR>(box)));
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
