// A fixed picture stored in the program as JPEG data and decoded by the
// platform's own picture loader.
#pragma once

#include <windows.h>
#include <olectl.h>

class StillPicture {
  public:
    StillPicture() = default;
    StillPicture(const StillPicture&) = delete;
    StillPicture& operator=(const StillPicture&) = delete;
    ~StillPicture();

    // Decodes the RCDATA resource resourceId of module, in place of any
    // earlier picture; false leaves no picture.
    bool Load(HMODULE module, int resourceId);
    // Draws the picture, made for 96 dpi, at the size it has at dpi with its
    // top-left corner at (x, y); whatever lies outside the DC's clipping is
    // cut off.
    void Draw(HDC dc, int x, int y, int dpi) const;

  private:
    void Release();

    IPicture* picture_ = nullptr;
};
