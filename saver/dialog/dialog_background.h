// The settings dialog's background and panel: the sine gradient behind its
// controls and the places the strip picture is copied to on the panel.
#pragma once

#include <cstdint>
#include <vector>

struct RowColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The colour of row y of a client area clientHeight pixels high: dark blue
// (0, 0, 30) at the top and bottom, light blue-grey (220, 220, 250) across
// the middle. Rows run from 0 to clientHeight, both included.
RowColour BackgroundRowColour(int y, int clientHeight);

struct StripPlace {
    int x = 0;
    int y = 0;

    friend bool operator==(const StripPlace& a, const StripPlace& b) {
        return a.x == b.x && a.y == b.y;
    }
};

// Where TileStrip copies the strip on a target: column by column, each from
// the top down until one copy lies below the target's lower edge, and
// columns until one lies beyond its right edge. Empty for a strip without
// area, which could never cover anything.
std::vector<StripPlace> TileStripPlaces(int targetWidth, int targetHeight, int stripWidth,
                                        int stripHeight);

struct DialogPosition {
    int left = 0;
    int top = 0;
};

// The dialog's place on the screen, in pixels: centred across, with a third
// of the free height above it. Worked in twips like the rest of the layout:
// each free length is rounded to whole twips, then divided dropping the
// remainder.
DialogPosition PlaceDialog(int screenWidth, int screenHeight, int outerWidth, int outerHeight);
