#include "message_loop_win32.h"
#include "start_up_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Main(GetModuleHandleA(nullptr));
    return RunMessageLoop();
}
