// Covers the whole screen with a known pattern for the capture tests, from
// inside Wine, where the saver's capture sees what Windows programs draw.
//
//   pattern_painter   paints, prints "ready" once the pattern is on the
//                     screen, and stays until its window is closed or its
//                     input ends
//
// Every pixel tells where it is: red is x mod 256, green y mod 256, blue
// holds x / 256 in its high half and y / 256 in its low half.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr char kTitle[] = "Tesselune test pattern";

HBITMAP Pattern = nullptr;

HBITMAP PaintPattern(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* pixel = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, pixel += 4) {
            pixel[0] = std::uint8_t(((x >> 8) << 4) | (y >> 8));
            pixel[1] = std::uint8_t(y & 0xFF);
            pixel[2] = std::uint8_t(x & 0xFF);
            pixel[3] = 0;
        }
    }
    return bitmap;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ former = SelectObject(source, Pattern);
            RECT area;
            GetClientRect(window, &area);
            BitBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, SRCCOPY);
            SelectObject(source, former);
            DeleteDC(source);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Ends the painter when the test closes its end of the pipe.
DWORD WINAPI WatchInput(void* window) {
    char buffer[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof(buffer), &read, nullptr) &&
           read > 0) {
    }
    PostMessageA(static_cast<HWND>(window), WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

int main() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    Pattern = PaintPattern(width, height);
    if (!Pattern) return 1;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTitle;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kTitle, kTitle, WS_POPUP | WS_VISIBLE, 0, 0, width,
                                  height, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    UpdateWindow(window);
    GdiFlush();
    std::printf("ready\n");
    std::fflush(stdout);

    HANDLE watcher = CreateThread(nullptr, 0, WatchInput, window, 0, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (watcher) CloseHandle(watcher);
    DeleteObject(Pattern);
    return 0;
}
