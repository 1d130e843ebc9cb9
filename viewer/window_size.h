// The viewer window's size: 1024 x 768 pixels of 96 dpi, in
// the primary monitor's own pixels.
#pragma once

struct WindowSize {
    int width = 0;
    int height = 0;
};

// Scaled by the monitor's dpi (96 where it gives none) and cut to its size,
// so that the window never reaches beyond it.
WindowSize ScaledWindowSize(int dpi, int monitorWidth, int monitorHeight);
