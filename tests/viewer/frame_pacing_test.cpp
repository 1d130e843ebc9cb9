// The pacing rule against made-up monitors, drivers and frame times: a
// simulated loop draws, swaps (up to the next vblank where vsync holds) and
// waits what FrameWait asks.
#include "frame_pacing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

struct Display {
    int refreshHz = 60;
    bool vsyncAccepted = false;
    bool vsyncHolds = false;
    double lateWakeSeconds = 0;  // how late the timer fires
};

// Frames a second over 600 frames of 3 ms each; clockWaits counts the waits.
double Simulate(const Display& display, int& clockWaits) {
    FramePacing pacing;
    StartFramePacing(pacing, display.refreshHz,
                     display.vsyncAccepted ? SwapIntervalFor(display.refreshHz) : 0);
    const double vblank = 1.0 / (display.refreshHz > 1 ? display.refreshHz : 60);
    double now = 0, lastFlip = 0;
    clockWaits = 0;
    for (int frame = 0; frame < 600; ++frame) {
        double end = now + 0.003;
        if (display.vsyncHolds && pacing.swapInterval > 0) {
            end = std::max(end, lastFlip + pacing.swapInterval * vblank);
            lastFlip = end = std::ceil(end / vblank - 1e-9) * vblank;
        }
        const double wait = FrameWait(pacing, now, end);
        clockWaits += wait > 0;
        now = end + (wait > 0 ? wait + display.lateWakeSeconds : 0);
    }
    return 600 / now;
}

TEST(FramePacing, EveryMonitorFrom50To360HzGetsSixtyFramesASecondVsyncAloneWhereItCan) {
    const int intervals[][2] = {{0, 1},   {50, 1},  {60, 1},  {75, 1},  {85, 1},  {90, 1},
                                {100, 2}, {120, 2}, {144, 2}, {165, 3}, {240, 4}, {360, 6}};
    for (const auto& [refreshHz, interval] : intervals) {
        EXPECT_EQ(SwapIntervalFor(refreshHz), interval) << refreshHz << " Hz";
        int clockWaits = 0;
        const double rate = Simulate({refreshHz, true, true}, clockWaits);
        EXPECT_TRUE(rate >= 48 && rate <= 75) << refreshHz << " Hz: " << rate;
        // From 76 to 95 Hz no interval keeps the rate: the clock bounds it.
        if (refreshHz < 76 || refreshHz > 95) {
            EXPECT_EQ(clockWaits, 0) << refreshHz << " Hz";
        }
    }
}

TEST(FramePacing, ClockHoldsEarlyFramesToSixtyASecond) {
    // No extension, vsync accepted but not kept (forced off, Wine, a display
    // that is off) at 60 and 144 Hz, and a timer that fires late.
    for (const Display& display :
         {Display{60}, Display{60, true}, Display{144, true}, Display{60, false, false, 0.001}}) {
        int clockWaits = 0;
        EXPECT_NEAR(Simulate(display, clockWaits), 60, 0.5) << display.refreshHz << " Hz";
        EXPECT_GT(clockWaits, 590);
    }
}

TEST(FramePacing, SlowFramesAndADisplayThatWasOffAreNotMadeUpWithABurst) {
    FramePacing pacing;
    StartFramePacing(pacing, 60, 0);
    EXPECT_EQ(FrameWait(pacing, 0.000, 0.025), 0);
    EXPECT_EQ(FrameWait(pacing, 0.025, 0.050), 0);
    EXPECT_NEAR(FrameWait(pacing, 0.050, 0.053), kFrameSeconds - 0.003, 1e-9);

    SetDisplayState(pacing, 0);
    EXPECT_FALSE(pacing.displayOn);
    SetDisplayState(pacing, 2);
    EXPECT_TRUE(pacing.displayOn) << "a dimmed display is still looked at";
    SetDisplayState(pacing, 0);
    SetDisplayState(pacing, 1);
    EXPECT_TRUE(pacing.displayOn);
    // Minutes later, the schedule starts from the first frame drawn again.
    EXPECT_NEAR(FrameWait(pacing, 600.0, 600.003), kFrameSeconds - 0.003, 1e-9);
}

}  // namespace
