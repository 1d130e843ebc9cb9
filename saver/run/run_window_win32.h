// The hidden run window Tesselune_S: photographs the screen, writes the
// snapshot, covers every monitor, starts the viewer and the music, watches
// for the viewer's window and ends the program when it has gone.
#pragma once

#include <windows.h>

// The run window's caption, by which a second start sees a run going on.
inline constexpr char kRunWindowName[] = "Tesselune_Main";

// Loads the window, not shown, which runs the whole start of the run; false
// when the window cannot be made. From then on the window lives until it
// ends the program. With hideCursor, the cursor is hidden from the start of
// the run to its end.
bool LoadRunWindow(HINSTANCE instance, bool hideCursor);
