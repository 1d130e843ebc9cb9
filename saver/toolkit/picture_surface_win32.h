// A part of a window that draws and keeps a picture: its off-screen image
// survives anything done to the screen, and is what a save writes. A surface
// without an image is only a size.
#pragma once

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
    // Takes the size and pixels of the BITMAP resource resourceId; false
    // leaves the surface without an image.
    bool LoadBitmapResource(HINSTANCE instance, int resourceId);
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
