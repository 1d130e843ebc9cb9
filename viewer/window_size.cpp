#include "window_size.h"

#include <algorithm>

namespace {

constexpr int kDesignedDpi = 96;
constexpr int kDesignedWidth = 1024;
constexpr int kDesignedHeight = 768;

int Scaled(int pixels, int dpi, int limit) {
    const long long scaled = (1LL * pixels * dpi + kDesignedDpi / 2) / kDesignedDpi;
    return int(limit > 0 ? std::min<long long>(scaled, limit) : scaled);
}

}  // namespace

WindowSize DesignedWindowSize(int dpi, int monitorWidth, int monitorHeight) {
    if (dpi <= 0) dpi = kDesignedDpi;
    return {Scaled(kDesignedWidth, dpi, monitorWidth), Scaled(kDesignedHeight, dpi, monitorHeight)};
}
