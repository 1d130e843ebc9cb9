// preview_box_window: the saver's preview as the display settings show it,
// inside a 152 x 112 box on a grey frame, for demonstrations. The preview
// runs in this process because Wine draws no child window that belongs to
// another one. It stays until its window is closed.
#include "preview_window_win32.h"

#include <windows.h>

namespace {

constexpr char kTitle[] = "Tesselune preview box";
constexpr char kClassName[] = "TesselunePreviewBox";
constexpr int kBoxWidth = 152;
constexpr int kBoxHeight = 112;
constexpr int kMargin = 16;

PreviewWindow Tesselune_R;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    frameClass.lpszClassName = kClassName;
    if (!RegisterClassA(&frameClass)) return 1;
    HWND frame =
        CreateWindowExA(0, kClassName, kTitle, WS_POPUP | WS_VISIBLE, 0, 0, kBoxWidth + 2 * kMargin,
                        kBoxHeight + 2 * kMargin, nullptr, nullptr, instance, nullptr);
    HWND box = frame ? CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, kMargin, kMargin,
                                       kBoxWidth, kBoxHeight, frame, nullptr, instance, nullptr)
                     : nullptr;
    if (!box || !Tesselune_R.Load(instance)) return 1;
    ShowPreviewIn(Tesselune_R, box, kBoxWidth, kBoxHeight);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
