/* The least a Win32 program with a window system does: it imports kernel32
   and user32, asks one thing of user32 and ends. The saver's start is timed
   against it. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
    (void)instance;
    (void)previous;
    (void)arguments;
    (void)show;
    return GetSystemMetrics(SM_CXSCREEN) < 0;
}
