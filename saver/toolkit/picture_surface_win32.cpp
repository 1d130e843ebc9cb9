#include "picture_surface_win32.h"

PictureSurface::~PictureSurface() {
    Release();
}

void PictureSurface::Release() {
    if (dc_) {
        SelectObject(dc_, formerBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    formerBitmap_ = nullptr;
    bits_ = nullptr;
}

bool PictureSurface::Resize(int width, int height, bool withImage) {
    Release();
    width_ = width;
    height_ = height;
    if (!withImage) return true;

    // NOTE: a DIB section of its own depth, not a bitmap compatible with the
    // screen, so the image is 24-bit whatever the screen's colour depth.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = bitmap_ ? CreateCompatibleDC(nullptr) : nullptr;
    if (!dc_) {
        Release();
        return false;
    }
    formerBitmap_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<const std::uint8_t*>(bits);
    return true;
}

bool PictureSurface::LoadBitmapResource(HINSTANCE instance, int resourceId, int dpi) {
    Release();
    HBITMAP loaded = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!loaded) return false;
    BITMAP size = {};
    bool copied = false;
    if (GetObjectW(loaded, sizeof(size), &size) &&
        Resize(ScaleToDpi(size.bmWidth, dpi), ScaleToDpi(size.bmHeight, dpi), true)) {
        HDC source = CreateCompatibleDC(nullptr);
        if (source) {
            HGDIOBJ former = SelectObject(source, loaded);
            copied = CopyPicture(dc_, 0, 0, width_, height_, source, size.bmWidth, size.bmHeight);
            SelectObject(source, former);
            DeleteDC(source);
        }
    }
    DeleteObject(loaded);
    if (!copied) Release();
    return copied;
}

const std::uint8_t* PictureSurface::Rows() const {
    // NOTE: GDI may still hold drawing for the image in its batch.
    if (bits_) GdiFlush();
    return bits_;
}

bool CopyPicture(HDC target, int x, int y, int width, int height, HDC source, int sourceWidth,
                 int sourceHeight) {
    if (width == sourceWidth && height == sourceHeight) {
        return BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY) != FALSE;
    }
    // NOTE: Windows asks for the brush origin to be set again after halftone
    // is chosen, or brushes drawn on target afterwards come out misaligned.
    const int formerMode = SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    const bool copied = StretchBlt(target, x, y, width, height, source, 0, 0, sourceWidth,
                                   sourceHeight, SRCCOPY) != FALSE;
    SetStretchBltMode(target, formerMode);
    return copied;
}
