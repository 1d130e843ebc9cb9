#include "dialog_background.h"

#include <cmath>

namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

RowColour BackgroundRowColour(int y, int clientHeight) {
    const double k = clientHeight / 3.142;
    // NOTE: nearbyint under the default rounding mode rounds halves to even.
    const double grey = std::nearbyint(std::fabs(std::sin(y / k)) * 220.0);
    const auto g = static_cast<std::uint8_t>(grey);
    return {g, g, static_cast<std::uint8_t>(g + 30)};
}

std::vector<StripPlace> TileStripPlaces(int targetWidth, int targetHeight, int stripWidth,
                                        int stripHeight) {
    std::vector<StripPlace> places;
    if (stripWidth <= 0 || stripHeight <= 0) return places;
    int x = 0;
    int y = 0;
    for (;;) {
        places.push_back({x, y});
        if (y > targetHeight) {
            if (x > targetWidth) break;
            x += stripWidth;
            y = 0;
        } else {
            y += stripHeight;
        }
    }
    return places;
}

DialogPosition PlaceDialog(int screenWidth, int screenHeight, int outerWidth, int outerHeight) {
    const long leftTwips = (long(screenWidth) - outerWidth) * kTwipsPerPixel / 2;
    const long topTwips = (long(screenHeight) - outerHeight) * kTwipsPerPixel / 3;
    return {int(leftTwips / kTwipsPerPixel), int(topTwips / kTwipsPerPixel)};
}
