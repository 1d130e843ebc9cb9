// The screen's dots per inch as the saver sees them: the system's, since the
// saver declares itself aware of the system dpi and scales itself.
#pragma once

// 96 when the screen cannot be asked.
int ScreenDpi();
