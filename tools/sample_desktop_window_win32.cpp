// sample_desktop_window: shows the made-up desktop over the whole screen, for
// demonstrations on a virtual screen that has no desktop of its own, so the
// saver has something to photograph. It stays until its window is closed.
#include "desktop_picture.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

constexpr char kTitle[] = "Tesselune sample desktop";

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;
};

Picture Desktop;

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = Desktop.width;
    info.bmiHeader.biHeight = Desktop.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, Desktop.width, Desktop.height, 0, 0, 0, Desktop.height,
                      Desktop.bgr.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The painter gives rows bottom first as red, green, blue; a DIB wants each
// row as blue, green, red, padded to four bytes.
Picture PaintDesktop(int width, int height) {
    const std::vector<std::uint8_t> rgb = PaintSampleDesktop(width, height);
    const std::size_t stride = (std::size_t(width) * 3 + 3) / 4 * 4;
    Picture picture{width, height, std::vector<std::uint8_t>(stride * std::size_t(height))};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::uint8_t* from = &rgb[(std::size_t(row) * width + column) * 3];
            std::uint8_t* to = &picture.bgr[stride * row + std::size_t(column) * 3];
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return picture;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Desktop = PaintDesktop(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTitle;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, kTitle, kTitle, WS_POPUP | WS_VISIBLE, 0, 0, Desktop.width,
                                  Desktop.height, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
