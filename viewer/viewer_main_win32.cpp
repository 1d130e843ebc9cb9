#include "viewer_context.h"
#include "viewer_window_win32.h"

#include <windows.h>

namespace {

// Lives for the whole process: its destructor frees the picture at exit.
ViewerContext Viewer;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunViewer(Viewer, GetModuleHandleA(nullptr));
}
