// The run's watch of the viewer it started: when the run is over. The
// viewer's process tells at once when it ends; its window tells when the
// viewer has gone but its process lingers, and whether it ever came.
#pragma once

#include <cstdint>

enum class ViewerVerdict {
    kWatching,     // the run goes on
    kGone,         // the viewer ended, or its window, once seen, has gone
    kNeverShowed,  // no window came in time: the viewer is to be ended too
};

class ViewerWatch {
  public:
    // How long a viewer may take to show its window: a cold start, a slow
    // disk, or a virus scanner's first look at the program.
    static constexpr std::int64_t kLongestStartMs = 30000;

    // What a look decides, elapsedMs after the viewer was started: whether
    // its window is there, and whether its process has ended (or never
    // started).
    ViewerVerdict Look(std::int64_t elapsedMs, bool windowThere, bool processEnded);

  private:
    bool windowSeen_ = false;
};
