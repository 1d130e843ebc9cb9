// The pacing rule of the unpaced viewer, a bench-only build: no vsync asked
// for, no wait by the clock, so that its frame rate shows what a frame
// costs. Linked ahead of the viewer's libraries, it stands in for the whole
// of viewer/frame_pacing.cpp; the product has no such switch.
#include "frame_pacing.h"

int SwapIntervalFor(int) {
    return 0;
}

void StartFramePacing(FramePacing& pacing, int, int) {
    pacing = FramePacing();
}

double FrameWait(FramePacing&, double, double) {
    return 0;
}

void SetDisplayState(FramePacing& pacing, unsigned long state) {
    pacing.displayOn = state != 0;
}
