#include "viewer_watch.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kLongest = ViewerWatch::kLongestStartMs;

TEST(ViewerWatch, ASlowViewerIsWaitedForUntilItsWindowComes) {
    ViewerWatch watch;
    EXPECT_EQ(watch.Look(500, false, false), ViewerVerdict::kWatching);
    EXPECT_EQ(watch.Look(kLongest - 1, false, false), ViewerVerdict::kWatching);
    EXPECT_EQ(watch.Look(kLongest - 1, true, false), ViewerVerdict::kWatching);
    // Once seen, the window may stay as long as it likes.
    EXPECT_EQ(watch.Look(10 * kLongest, true, false), ViewerVerdict::kWatching);
    EXPECT_EQ(watch.Look(10 * kLongest + 500, false, false), ViewerVerdict::kGone);
}

TEST(ViewerWatch, AViewerWhoseWindowNeverComesIsEndedInTime) {
    ViewerWatch watch;
    EXPECT_EQ(watch.Look(kLongest, false, false), ViewerVerdict::kNeverShowed);
}

TEST(ViewerWatch, TheViewersEndEndsTheRunWhetherItsWindowCameOrNot) {
    ViewerWatch early;
    EXPECT_EQ(early.Look(0, false, true), ViewerVerdict::kGone);
    ViewerWatch late;
    EXPECT_EQ(late.Look(500, true, false), ViewerVerdict::kWatching);
    EXPECT_EQ(late.Look(1000, true, true), ViewerVerdict::kGone);
    ViewerWatch stuck;
    EXPECT_EQ(stuck.Look(kLongest, false, true), ViewerVerdict::kGone);
}

}  // namespace
