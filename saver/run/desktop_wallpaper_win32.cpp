#include "desktop_wallpaper_win32.h"

#include "wallpaper_layout.h"
#include "wallpaper_picture_win32.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A value under the account's Control Panel\Desktop, as text; empty when it
// is missing or neither text nor a number.
std::string DesktopValue(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    wchar_t data[32] = {};
    DWORD type = 0;
    DWORD size = sizeof(data) - sizeof(wchar_t);
    const LONG read =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return {};
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, data, sizeof(number));
        return std::to_string(number);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    // Only blanks, signs and digits matter to the style; the rest stays
    // something that is none of them.
    std::string text;
    for (const wchar_t* at = data; *at; ++at) text += *at < 0x80 ? static_cast<char>(*at) : '?';
    return text;
}

// Repeats the tile at the image's top-left corner over the whole image, by
// doubling what is already tiled: a few copies whatever the tile's size.
void RepeatTile(HDC image, int tileWidth, int tileHeight, int width, int height) {
    for (int done = tileWidth; done < width; done *= 2) {
        BitBlt(image, done, 0, std::min(done, width - done), tileHeight, image, 0, 0, SRCCOPY);
    }
    for (int done = tileHeight; done < height; done *= 2) {
        BitBlt(image, 0, done, width, std::min(done, height - done), image, 0, 0, SRCCOPY);
    }
}

// Draws the account's wallpaper onto the screen-sized image, as its style
// lays it out; draws nothing when there is none to be had.
void DrawWallpaper(HDC image, int width, int height) {
    wchar_t path[MAX_PATH + 1] = {};
    if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0) || !path[0]) return;
    WallpaperPicture picture;
    if (!picture.Open(path)) return;
    const WallpaperStyle style =
        ReadWallpaperStyle(DesktopValue(L"WallpaperStyle"), DesktopValue(L"TileWallpaper"));
    const auto layout = LayOutWallpaper(style, picture.Width(), picture.Height(), width, height);
    if (!layout) return;
    const WallpaperRect& target = layout->target;
    const std::vector<std::uint8_t> pixels =
        picture.Read(layout->source, target.width, target.height);
    if (pixels.empty()) return;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = target.width;
    info.bmiHeader.biHeight = -target.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (!StretchDIBits(image, target.x, target.y, target.width, target.height, 0, 0, target.width,
                       target.height, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY)) {
        return;
    }
    if (layout->tiled) RepeatTile(image, target.width, target.height, width, height);
}

void FillWithBackground(const PictureSurface& surface) {
    const RECT whole{0, 0, surface.Width(), surface.Height()};
    if (HBRUSH background = CreateSolidBrush(GetSysColor(COLOR_DESKTOP))) {
        FillRect(surface.Dc(), &whole, background);
        DeleteObject(background);
    }
}

}  // namespace

void DrawDesktopWallpaper(const PictureSurface& picture, int screenWidth, int screenHeight) {
    // So that a screen too large for an image of its own still gives the
    // background colour.
    FillWithBackground(picture);
    PictureSurface desktop;
    if (!desktop.Resize(screenWidth, screenHeight, true)) return;
    FillWithBackground(desktop);
    DrawWallpaper(desktop.Dc(), screenWidth, screenHeight);
    SetStretchBltMode(picture.Dc(), COLORONCOLOR);
    StretchBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), desktop.Dc(), 0, 0,
               screenWidth, screenHeight, SRCCOPY);
}
