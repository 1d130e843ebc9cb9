#include "frame_pacing.h"

#include <cmath>

namespace {

constexpr int kDefaultRefreshHz = 60;
// The effect's speed holds within 0.8 to 1.25 times 60 frames a second.
constexpr double kSlowestFrameSeconds = kFrameSeconds / 0.8;
constexpr int kFastestRateHz = 75;
// A swap that took at least this share of the vsync period waited for it.
constexpr double kVsyncShare = 0.75;
constexpr unsigned long kDisplayOff = 0;

int ReportedOrDefault(int refreshHz) {
    return refreshHz > 1 ? refreshHz : kDefaultRefreshHz;
}

}  // namespace

int SwapIntervalFor(int refreshHz) {
    const double refresh = ReportedOrDefault(refreshHz);
    const int interval = int(std::lround(refresh / 60));
    if (interval <= 1) return 1;
    // NOTE: from 90 to 95 Hz the rounded interval halves the rate, below
    // 0.8 of the effect's; one interval less is too fast, which the clock
    // then bounds.
    return double(interval) / refresh > kSlowestFrameSeconds ? interval - 1 : interval;
}

void StartFramePacing(FramePacing& pacing, int refreshHz, int acceptedInterval) {
    pacing.swapInterval = acceptedInterval > 0 ? acceptedInterval : 0;
    pacing.vsyncSeconds = double(pacing.swapInterval) / ReportedOrDefault(refreshHz);
    pacing.vsyncKeepsRate = pacing.swapInterval > 0 &&
                            ReportedOrDefault(refreshHz) <= kFastestRateHz * pacing.swapInterval;
    pacing.due = -1;
}

double FrameWait(FramePacing& pacing, double frameStart, double frameEnd) {
    const bool vsyncHolds =
        pacing.swapInterval > 0 && frameEnd - frameStart >= kVsyncShare * pacing.vsyncSeconds;
    // Where vsync holds at a rate within the effect's, the clock keeps out
    // of it: two waits in a row would judder.
    if (vsyncHolds && pacing.vsyncKeepsRate) {
        pacing.due = -1;
        return 0;
    }
    const double next = (pacing.due < 0 ? frameStart : pacing.due) + kFrameSeconds;
    pacing.due = next > frameEnd ? next : frameEnd;
    return pacing.due - frameEnd;
}

void SetDisplayState(FramePacing& pacing, unsigned long state) {
    pacing.displayOn = state != kDisplayOff;
    pacing.due = -1;
}
