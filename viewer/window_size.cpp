#include "window_size.h"

#include <algorithm>

namespace {

constexpr int kBaseDpi = 96;
constexpr int kBaseWidth = 1024;
constexpr int kBaseHeight = 768;

int Scaled(int pixels, int dpi, int limit) {
    const long long scaled = (1LL * pixels * dpi + kBaseDpi / 2) / kBaseDpi;
    return int(limit > 0 ? std::min<long long>(scaled, limit) : scaled);
}

}  // namespace

WindowSize ScaledWindowSize(int dpi, int monitorWidth, int monitorHeight) {
    if (dpi <= 0) dpi = kBaseDpi;
    return {Scaled(kBaseWidth, dpi, monitorWidth), Scaled(kBaseHeight, dpi, monitorHeight)};
}
