#include "snapshot_capture_win32.h"

#include "last_result.h"
#include "snapshot_bitmap.h"
#include "snapshot_file_win32.h"

void CaptureScreen(const PictureSurface& picture, int sourceWidth, int sourceHeight) {
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    SetStretchBltMode(picture.Dc(), COLORONCOLOR);
    LastResult = StretchBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, 0, 0,
                            sourceWidth, sourceHeight, SRCCOPY);
    ReleaseDC(desktop, screen);
}

bool SaveSnapshot(const PictureSurface& picture, const std::wstring& path) {
    const std::uint8_t* rows = picture.Rows();
    if (!rows) return false;
    return ReplaceFileWhole(path,
                            EncodeSnapshotBitmapRows(picture.Width(), picture.Height(), rows));
}
