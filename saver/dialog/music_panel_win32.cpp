#include "music_panel_win32.h"

#include "settings_dialog_win32.h"

#include <windowsx.h>

namespace {

constexpr char kPanelClass[] = "Tesselune_P.Pic_C";

}  // namespace

bool MusicPanel::Load(HINSTANCE instance, HWND dialog, const StoredControl& stored) {
    if (!Create(instance, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, dialog)) {
        return false;
    }
    SetWindowPos(Handle(), nullptr, stored.left, stored.top, stored.width, stored.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (picture_.Resize(stored.width, stored.height, true)) {
        HBRUSH back = CreateSolidBrush(StoredColour(stored, "BackColor", RGB(0xE0, 0xE0, 0xE0)));
        const RECT all = {0, 0, stored.width, stored.height};
        if (back) {
            FillRect(picture_.Dc(), &all, back);
            DeleteObject(back);
        }
    }
    return true;
}

LRESULT MusicPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            for (int source = 0; source < kMusicKindCount; ++source) {
                const bool onImage = Img_BGM[source] && Img_BGM[source]->Contains(point);
                const bool onLabel = lbl_BGM[source] && lbl_BGM[source]->Contains(point);
                if (!onImage && !onLabel) continue;
                // A click focuses what it lands on, as a radio button takes
                // the focus in a Windows dialog.
                if (message == WM_LBUTTONDOWN) SetFocus(Handle());
                dialog_.Control().ChooseMusicSource(source);
                break;
            }
            return 0;
        }
        case WM_SETFOCUS:
            dialog_.FocusArrivedAt(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == CBN_SETFOCUS) {
                dialog_.FocusArrivedAt(reinterpret_cast<HWND>(lParam));
            }
            return 0;
        default:
            return FormWindow::OnMessage(message, wParam, lParam);
    }
}

void MusicPanel::OnPaint(HDC dc) {
    if (picture_.Dc()) {
        BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), picture_.Dc(), 0, 0, SRCCOPY);
    }
    if (Shape3) Shape3->Draw(dc);
    for (const WindowlessLabel& label : lbl) label.Draw(dc);
    for (const auto& image : Img_BGM) {
        if (image) image->Draw(dc);
    }
    for (const auto& label : lbl_BGM) {
        if (label) label->Draw(dc);
    }
    if (lbl_Fname) lbl_Fname->Draw(dc);
    if (GetFocus() == Handle() && lbl_BGM[std::size_t(focusMark)]) {
        lbl_BGM[std::size_t(focusMark)]->DrawFocus(dc);
    }
}
