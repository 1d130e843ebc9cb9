#include "viewer_watch.h"

ViewerVerdict ViewerWatch::Look(std::int64_t elapsedMs, bool windowThere, bool processEnded) {
    if (processEnded) return ViewerVerdict::kGone;
    if (windowThere) {
        windowSeen_ = true;
        return ViewerVerdict::kWatching;
    }
    if (windowSeen_) return ViewerVerdict::kGone;
    return elapsedMs >= kLongestStartMs ? ViewerVerdict::kNeverShowed : ViewerVerdict::kWatching;
}
