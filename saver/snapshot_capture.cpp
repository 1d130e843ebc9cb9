#include "snapshot_capture.h"

#include "guarded_step.h"
#include "last_result.h"
#include "snapshot_bitmap.h"

#include <cstdint>
#include <vector>

namespace {

bool WriteWholeFile(const char* path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    return CloseHandle(file) && complete;
}

}  // namespace

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
    return WriteWholeFile(path,
                          EncodeSnapshotBitmap(picture.Width(), picture.Height(), rgb.data()));
}
