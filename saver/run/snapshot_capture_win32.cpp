#include "snapshot_capture_win32.h"

#include "last_result.h"
#include "private_files_win32.h"
#include "snapshot_bitmap.h"

void CaptureScreen(const PictureSurface& picture, int sourceWidth, int sourceHeight) {
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    SetStretchBltMode(picture.Dc(), COLORONCOLOR);
    LastResult = StretchBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, 0, 0,
                            sourceWidth, sourceHeight, SRCCOPY);
    ReleaseDC(desktop, screen);
}

bool SaveSnapshot(const PictureSurface& picture, const char* path) {
    const std::uint8_t* rows = picture.Rows();
    if (!rows) return false;
    return ReplaceWithPrivateFile(
        path, EncodeSnapshotBitmapRows(picture.Width(), picture.Height(), rows));
}
