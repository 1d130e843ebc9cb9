#include "preview_window_win32.h"

#include "last_result.h"
#include "saver_resources.h"
#include "screen_dpi_win32.h"

namespace {

constexpr char kPreviewClassName[] = "Tesselune_R";
constexpr char kImageClassName[] = "Tesselune_Image";
constexpr char kImageName[] = "Img_Prev";

void PaintBlack(HWND window, HDC dc) {
    RECT area = {};
    GetClientRect(window, &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace

bool ImageControl::Load(HINSTANCE instance, HWND owner, int resourceId, int dpi) {
    dpi_ = dpi;
    picture_.Load(instance, resourceId);
    return Create(instance, kImageClassName, kImageName, WS_CHILD | WS_VISIBLE, owner);
}

void ImageControl::OnPaint(HDC dc) {
    HWND parent = GetParent(Handle());
    RECT place = {};
    GetWindowRect(Handle(), &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    // The window's own picture lies under the control: draw it first, shifted
    // by the control's place in the window.
    POINT formerOrigin = {};
    OffsetViewportOrgEx(dc, -place.left, -place.top, &formerOrigin);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, formerOrigin.x, formerOrigin.y, nullptr);
    picture_.Draw(dc, 0, 0, dpi_);
}

bool PreviewWindow::Load(HINSTANCE instance) {
    dpi_ = ScreenDpi();
    background_.Load(instance, IDR_PREVIEW_BACKGROUND);
    if (!Create(instance, kPreviewClassName, kPreviewWindowName, WS_POPUP | WS_CLIPCHILDREN,
                nullptr)) {
        return false;
    }
    image_.Load(instance, Handle(), IDR_PREVIEW_IMAGE, dpi_);
    return true;
}

void PreviewWindow::OnPaint(HDC dc) {
    PaintBlack(Handle(), dc);
    background_.Draw(dc, 0, 0, dpi_);
}

void PreviewWindow::OnUnload() {
    LastResult = PostMessageA(GetWindow(Handle(), GW_OWNER), WM_CLOSE, 0, 0);
    PostQuitMessage(0);
}

void ShowPreviewIn(PreviewWindow& preview, HWND host, int width, int height) {
    HWND window = preview.Handle();
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CHILD);
    SetParent(window, host);
    MoveWindow(window, 0, 0, width, height, FALSE);
    MoveWindow(preview.Img_Prev(), 0, 0, width, height, FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
}
