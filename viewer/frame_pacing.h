// How the viewer keeps to the effect's 60 frames a second on any display:
// vsync where the driver gives it, the clock where it does not.
#pragma once

// The effect's speed: 0.5 degree a frame, one turn every 12 seconds.
constexpr double kFrameSeconds = 1.0 / 60;

struct FramePacing {
    // The vsync interval the driver accepted; 0 where none was had.
    int swapInterval = 0;
    // How far apart vsync alone puts two frames; 0 without vsync.
    double vsyncSeconds = 0;
    // Whether vsync alone keeps within 1.25 times the effect's rate.
    bool vsyncKeepsRate = false;
    // When the frame just drawn was due by the clock; below 0 while the
    // clock keeps no schedule.
    double due = -1;
    bool displayOn = true;
};

// The swap interval that brings a monitor of this refresh rate nearest to
// the effect's rate: the rate over 60, rounded, at least 1. A reported
// rate of 0 or 1 (the hardware's default) counts as 60.
int SwapIntervalFor(int refreshHz);

// Records what vsync the driver accepted (interval 0: none) on a monitor
// of this refresh rate, and starts a new schedule.
void StartFramePacing(FramePacing& pacing, int refreshHz, int acceptedInterval);

// Seconds to wait after a frame that began drawing at frameStart and whose
// swap returned at frameEnd (seconds on one clock). Vsync is seen to hold
// when the swap itself held the frame back for most of a vsync period; the
// clock then waits for nothing. Otherwise the clock keeps frames to 60 a
// second on a schedule of its own, so that late wake-ups do not add up,
// and drops what a slow frame has cost rather than hurrying after it.
double FrameWait(FramePacing& pacing, double frameStart, double frameEnd);

// The console display state as Windows reports it: 0 off, 1 on, 2 dimmed.
// Nothing is drawn while it is off; the schedule starts anew when it is on.
void SetDisplayState(FramePacing& pacing, unsigned long state);
