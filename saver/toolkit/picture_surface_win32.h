// A part of a window that draws and keeps a picture: its off-screen image
// survives anything done to the screen, and is what a save writes. A surface
// without an image is only a size.
#pragma once

#include "dpi_scale.h"

#include <windows.h>

#include <cstdint>

class PictureSurface {
  public:
    PictureSurface() = default;
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;
    ~PictureSurface();

    // Sizes the surface; with an image, a new 24-bit one, black. False when
    // the image cannot be had (the surface then has none).
    bool Resize(int width, int height, bool withImage);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The off-screen image's device context; null without an image.
    HDC Dc() const { return dc_; }
    // Takes the pixels of the BITMAP resource resourceId, drawn for 96 dpi,
    // at the size they have at dpi; false leaves the surface without an
    // image.
    bool LoadBitmapResource(HINSTANCE instance, int resourceId, int dpi = kDesignDpi);
    // The image's rows as its 24-bit bottom-up DIB section keeps them: blue,
    // green, red per pixel, each row padded to a multiple of four bytes,
    // bottom row first; with GDI's drawing on it finished. Null without an
    // image.
    const std::uint8_t* Rows() const;

  private:
    void Release();

    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ formerBitmap_ = nullptr;
    const std::uint8_t* bits_ = nullptr;
};

// Copies source's sourceWidth x sourceHeight pixels onto target's width x
// height at (x, y): as they are where the sizes agree, else stretched with
// halftone, which keeps the look of art made for another size.
bool CopyPicture(HDC target, int x, int y, int width, int height, HDC source, int sourceWidth,
                 int sourceHeight);
