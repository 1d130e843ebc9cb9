#include "viewer_context.h"
#include "viewer_window_win32.h"

#include <windows.h>

namespace {

// Lives for the whole process; RunViewer gives back what it holds.
ViewerContext Viewer;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunViewer(Viewer, GetModuleHandleA(nullptr));
}
