// The viewer's borderless window, its window procedure and its paced loop.
#pragma once

#include <windows.h>

struct ViewerContext;

// Registers the class, hides the cursor for good, makes the window at the
// top-left corner (1024 x 768 at 96 dpi, scaled, within the primary monitor), measures its client
// area into client and only then shows it (with show; SW_SHOWDEFAULT takes the state its starter
// asked for), so the scene is set up for the window's own size whatever that state is. nullptr
// (with the class unregistered) when the window cannot be had.
HWND OpenViewerWindow(ViewerContext& context, HINSTANCE instance, SIZE& client,
                      int show = SW_SHOWDEFAULT);

// Destroys the window, after StopViewer has given back its device context,
// and unregisters the class, which fails while a window of it exists.
void CloseViewerWindow(HWND window, HINSTANCE instance);

// Draws a frame per pass, paced to the effect's rate, answering messages
// while it waits; none while the display is off. Returns WM_QUIT's wParam.
int RunMessageLoop(ViewerContext& context);

// The viewer's whole life on the calling thread; its result is the exit code.
// Every way out, a rejected start included, stops the viewer once and closes
// its window.
int RunViewer(ViewerContext& context, HINSTANCE instance);

LRESULT CALLBACK ViewerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
