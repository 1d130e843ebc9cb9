#include "snapshot_capture_win32.h"

#include "desktop_wallpaper_win32.h"
#include "last_result.h"
#include "snapshot_bitmap.h"
#include "snapshot_file_win32.h"

namespace {

// NOTE: a secure screen saver is started on a desktop of its own (on
// Windows the screen-saver desktop, whose name is not to be relied on),
// whose screen holds none of the user's windows; only the desktop named
// "Default" is the user's.
bool OnUsersDesktop() {
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    wchar_t name[64] = {};
    DWORD needed = 0;
    if (!desktop || !GetUserObjectInformationW(desktop, UOI_NAME, name,
                                               sizeof(name) - sizeof(wchar_t), &needed)) {
        return false;
    }
    return lstrcmpiW(name, L"Default") == 0;
}

}  // namespace

void CaptureScreen(const PictureSurface& picture, int sourceWidth, int sourceHeight) {
    if (OnUsersDesktop()) {
        HWND desktop = GetDesktopWindow();
        HDC screen = GetDC(desktop);
        SetStretchBltMode(picture.Dc(), COLORONCOLOR);
        LastResult = StretchBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, 0, 0,
                                sourceWidth, sourceHeight, SRCCOPY);
        ReleaseDC(desktop, screen);
        if (LastResult) return;
    }
    DrawDesktopWallpaper(picture, sourceWidth, sourceHeight);
}

bool SaveSnapshot(const PictureSurface& picture, const std::wstring& path) {
    const std::uint8_t* rows = picture.Rows();
    if (!rows) return false;
    return ReplaceFileWhole(path,
                            EncodeSnapshotBitmapRows(picture.Width(), picture.Height(), rows));
}
