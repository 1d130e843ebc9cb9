#include "window_timer_win32.h"

void WindowTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_ || !window_) return;
    enabled_ = enabled && SetTimer(window_, id_, interval_, nullptr) != 0;
    if (!enabled) KillTimer(window_, id_);
}
