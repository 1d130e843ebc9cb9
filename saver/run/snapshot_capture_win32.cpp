#include "snapshot_capture_win32.h"

#include "guarded_step.h"
#include "last_result.h"
#include "private_files_win32.h"
#include "snapshot_bitmap.h"

#include <cstdint>
#include <vector>

void CaptureScreen(const PictureSurface& picture, int sourceWidth, int sourceHeight) {
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    GuardedStep([&] { SetStretchBltMode(picture.Dc(), COLORONCOLOR); });
    GuardedStep([&] {
        LastResult = StretchBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, 0, 0,
                                sourceWidth, sourceHeight, SRCCOPY);
    });
    GuardedStep([&] { ReleaseDC(desktop, screen); });
}

bool SaveSnapshot(const PictureSurface& picture, const char* path) {
    std::vector<std::uint8_t> rgb(std::size_t(picture.Width()) * std::size_t(picture.Height()) * 3);
    if (rgb.empty() || !picture.ReadRgb(rgb.data())) return false;
    return ReplaceWithPrivateFile(
        path, EncodeSnapshotBitmap(picture.Width(), picture.Height(), rgb.data()));
}
