// The account's wallpaper file, decoded by the Windows Imaging Component
// whatever its format, a part at a time: only what the screen shows of it is
// ever decoded into memory.
#pragma once

#include "wallpaper_layout.h"

#include <windows.h>

#include <cstdint>
#include <vector>

struct IWICBitmapDecoder;
struct IWICBitmapFrameDecode;
struct IWICImagingFactory;

class WallpaperPicture {
  public:
    // Joins COM on this thread, for as long as the picture lives.
    WallpaperPicture();
    WallpaperPicture(const WallpaperPicture&) = delete;
    WallpaperPicture& operator=(const WallpaperPicture&) = delete;
    ~WallpaperPicture();

    // Reads the file's first picture and its size; false when it is no
    // picture the component knows.
    bool Open(const wchar_t* path);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The part source of the picture scaled to width x height: top-down rows
    // of blue, green, red and a fourth byte per pixel; empty when it cannot
    // be decoded.
    std::vector<std::uint8_t> Read(const WallpaperRect& source, int width, int height) const;

  private:
    void Release();

    bool joinedCom_ = false;
    IWICImagingFactory* factory_ = nullptr;
    IWICBitmapDecoder* decoder_ = nullptr;
    IWICBitmapFrameDecode* frame_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
