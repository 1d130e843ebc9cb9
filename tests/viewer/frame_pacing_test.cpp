// The pacing rule against made-up monitors, drivers and frame times: a
// simulated loop draws, swaps (blocking to the next vblank where vsync
// holds) and waits what FrameWait asks.
#include "frame_pacing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct Display {
    int refreshHz = 60;
    bool vsyncHolds = false;
    double drawSeconds = 0.003;
    double lateWakeSeconds = 0;  // how late the timer fires
};

struct SimulatedRun {
    double framesPerSecond = 0;
    int clockWaits = 0;
};

SimulatedRun Simulate(FramePacing& pacing, const Display& display, int frames = 600) {
    const double vblank = 1.0 / display.refreshHz;
    const double vsyncSeconds = pacing.swapInterval * vblank;
    double now = 0;
    double lastFlip = 0;
    SimulatedRun run;
    for (int frame = 0; frame < frames; ++frame) {
        const double start = now;
        double end = start + display.drawSeconds;
        if (display.vsyncHolds && pacing.swapInterval > 0) {
            end = std::max(end, lastFlip + vsyncSeconds);
            end = std::ceil(end / vblank - 1e-9) * vblank;
            lastFlip = end;
        }
        const double wait = FrameWait(pacing, start, end);
        EXPECT_GE(wait, 0) << "frame " << frame;
        if (wait > 0) ++run.clockWaits;
        now = end + (wait > 0 ? wait + display.lateWakeSeconds : 0);
    }
    run.framesPerSecond = frames / now;
    return run;
}

FramePacing Paced(int refreshHz, bool vsyncAccepted) {
    FramePacing pacing;
    StartFramePacing(pacing, refreshHz, vsyncAccepted ? SwapIntervalFor(refreshHz) : 0);
    return pacing;
}

TEST(FramePacing, SwapIntervalKeepsEveryMonitorNearSixtyFramesASecond) {
    const std::pair<int, int> intervals[] = {{0, 1},   {1, 1},   {50, 1},  {60, 1},
                                             {75, 1},  {90, 1},  {100, 2}, {120, 2},
                                             {144, 2}, {165, 3}, {240, 4}, {360, 6}};
    for (const auto& [refreshHz, interval] : intervals) {
        EXPECT_EQ(SwapIntervalFor(refreshHz), interval) << refreshHz << " Hz";
    }
}

TEST(FramePacing, VsyncThatHoldsPacesAloneWithoutAClockWait) {
    for (int refreshHz : {50, 60, 75, 120, 144, 165, 240, 360}) {
        FramePacing pacing = Paced(refreshHz, true);
        const SimulatedRun run = Simulate(pacing, {refreshHz, true});
        EXPECT_EQ(run.clockWaits, 0) << refreshHz << " Hz";
        EXPECT_NEAR(run.framesPerSecond, double(refreshHz) / SwapIntervalFor(refreshHz), 0.5)
            << refreshHz << " Hz";
    }
}

TEST(FramePacing, ClockHoldsEarlyFramesToSixtyASecond) {
    // No extension, vsync forced off by the driver, a 144 Hz monitor that
    // accepted interval 2 and ignores it, and a timer that fires late.
    const std::pair<FramePacing, Display> cases[] = {
        {Paced(60, false), {60, false}},
        {Paced(60, true), {60, false}},
        {Paced(144, true), {144, false, 0.0005}},
        {Paced(60, false), {60, false, 0.003, 0.001}},
    };
    for (auto [pacing, display] : cases) {
        const SimulatedRun run = Simulate(pacing, display);
        EXPECT_NEAR(run.framesPerSecond, 60, 0.5) << display.refreshHz << " Hz";
        EXPECT_GT(run.clockWaits, 590);
    }
}

TEST(FramePacing, ClockBoundsVsyncThatIsTooFastForTheDesignsRate) {
    for (int refreshHz : {85, 90}) {
        FramePacing pacing = Paced(refreshHz, true);
        const SimulatedRun run = Simulate(pacing, {refreshHz, true});
        EXPECT_GE(run.framesPerSecond, 48) << refreshHz << " Hz";
        EXPECT_LE(run.framesPerSecond, 61) << refreshHz << " Hz";
    }
}

TEST(FramePacing, SlowFramesAreNeitherWaitedForNorMadeUpAfterwards) {
    FramePacing pacing = Paced(60, false);
    EXPECT_EQ(FrameWait(pacing, 0.000, 0.025), 0);
    EXPECT_EQ(FrameWait(pacing, 0.025, 0.050), 0);

    // A burst to catch up on the slow frames would run the panels fast.
    EXPECT_NEAR(FrameWait(pacing, 0.050, 0.053), kFrameSeconds - 0.003, 1e-9);
    EXPECT_NEAR(FrameWait(pacing, 0.050 + kFrameSeconds, 0.053 + kFrameSeconds),
                kFrameSeconds - 0.003, 1e-9);
}

TEST(FramePacing, NothingIsDrawnWhileTheDisplayIsOffAndNoBurstFollows) {
    FramePacing pacing = Paced(60, false);
    Simulate(pacing, {60, false}, 10);

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
