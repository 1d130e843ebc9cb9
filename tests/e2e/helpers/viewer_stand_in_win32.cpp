// Stands in for the viewer, put beside the saver as Tesselune.dll, to try the
// run's watch of a viewer that does not behave. TESSELUNE_STAND_IN says how:
//   late   shows the viewer's window, topmost, 1024 x 768 at the top-left,
//          three seconds after its start, and ends on a key
//   never  shows no window and never ends by itself
//   exit   ends at once
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr char kViewerTitle[] = "Tesselune_VC";
constexpr DWORD kLateBy = 3000;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

int ShowLate(HINSTANCE instance) {
    Sleep(kLateBy);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(RGB(40, 160, 90));
    windowClass.lpszClassName = kViewerTitle;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kViewerTitle, kViewerTitle, WS_POPUP | WS_VISIBLE,
                                  0, 0, 1024, 768, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const char* behaviour = std::getenv("TESSELUNE_STAND_IN");
    if (!behaviour) return 2;
    if (std::strcmp(behaviour, "late") == 0) return ShowLate(instance);
    if (std::strcmp(behaviour, "never") == 0) Sleep(INFINITE);
    return 0;
}
