// The saver's start-up routine, in the module Tesselune_B.
#pragma once

#include <windows.h>

// Refuses to run beside a run or an open settings dialog, then hands over to
// the preview window, the settings dialog or the hidden run window; or ends
// the program. When it returns, the program lives as long as that window.
void Main(HINSTANCE instance);
