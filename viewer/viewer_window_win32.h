// The viewer's borderless window, its window procedure and its busy loop.
#pragma once

#include <windows.h>

struct ViewerContext;

// Registers the class, hides the cursor for good, makes the 1024 x 768 window
// at the top-left corner, measures its client area into client and only then
// shows it (with show; SW_SHOWDEFAULT takes the state its starter asked for),
// so the scene is set up for the window's own size whatever that state is.
// nullptr (with the class unregistered) when the window cannot be had.
HWND OpenViewerWindow(ViewerContext& context, HINSTANCE instance, SIZE& client,
                      int show = SW_SHOWDEFAULT);

// Destroys the window, after StopViewer has given back its device context,
// and unregisters the class, which fails while a window of it exists.
void CloseViewerWindow(HWND window, HINSTANCE instance);

// Draws a frame per pass without ever waiting; returns WM_QUIT's wParam.
int RunMessageLoop(ViewerContext& context);

// The viewer's whole life on the calling thread; its result is the exit code.
// Every way out, a rejected start included, stops the viewer once and closes
// its window.
int RunViewer(ViewerContext& context, HINSTANCE instance);

LRESULT CALLBACK ViewerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
