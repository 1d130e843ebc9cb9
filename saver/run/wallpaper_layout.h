// Where the desktop shows its wallpaper: the style the account chose, read
// from its two profile values, and the part of the picture that each style
// puts on which part of the screen.
#pragma once

#include <optional>
#include <string_view>

enum class WallpaperStyle { Centre, Tile, Stretch, Fit, Fill };

// The style that WallpaperStyle and TileWallpaper under the account's
// Control Panel\Desktop name: 2 stretch, 6 fit, 10 fill; 22 (span the
// monitors) fills the one screen the snapshot shows. Any other value, a
// missing one or text that is no number among them, leaves the picture at
// its own size: tiled where TileWallpaper is a number other than 0, else
// centred.
WallpaperStyle ReadWallpaperStyle(std::string_view wallpaperStyle, std::string_view tileWallpaper);

// The largest picture taken, in pixels across or down and in all: beyond
// them a wallpaper counts as unreadable, and a file that claims to be huge
// is never scaled or copied out.
constexpr int kMaxWallpaperSide = 16384;
constexpr long long kMaxWallpaperPixels = 1LL << 26;

struct WallpaperRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The visible part of the picture (source, in its pixels) and where on the
// screen it goes (target, inside the screen), scaled from one to the other.
// When tiled, source and target are the first tile at the screen's top-left
// corner, at the picture's own size, and the screen repeats it.
struct WallpaperLayout {
    WallpaperRect source;
    WallpaperRect target;
    bool tiled = false;
};

// The layout of a picture on a screen; none for an empty screen, or for a
// picture that is empty or beyond the limits above.
std::optional<WallpaperLayout> LayOutWallpaper(WallpaperStyle style, int pictureWidth,
                                               int pictureHeight, int screenWidth,
                                               int screenHeight);
