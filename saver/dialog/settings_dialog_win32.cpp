#include "settings_dialog_win32.h"

#include "deferred_imports_win32.h"
#include "dialog_background.h"
#include "dpi_scale.h"
#include "guarded_step.h"
#include "last_result.h"
#include "property_conversion.h"
#include "saver_resources.h"
#include "screen_dpi_win32.h"
#include "settings_dialog_resources.h"
#include "wide_text_win32.h"
#include "window_zoom_win32.h"

#include <shellapi.h>

namespace {

constexpr char kDialogClass[] = "Tesselune_P";
constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// The layout keeps its texts in UTF-8; the controls keep code page 932, the
// form their ANSI calls and the settings file take.
std::string Cp932FromUtf8(std::string_view utf8) {
    return BytesFromWide(932, WideFromBytes(CP_UTF8, utf8));
}

std::string StoredCaption(const StoredControl& stored) {
    const PropertyValue* caption = stored.properties.Find("Caption");
    return caption ? PropertyText(*caption).value_or(std::string()) : std::string();
}

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void SetDefaultPointer() {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

std::optional<DialogKey> DialogKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_TAB:
            return GetKeyState(VK_SHIFT) < 0 ? DialogKey::ShiftTab : DialogKey::Tab;
        case VK_UP:
            return DialogKey::Up;
        case VK_DOWN:
            return DialogKey::Down;
        case VK_LEFT:
            return DialogKey::Left;
        case VK_RIGHT:
            return DialogKey::Right;
        case VK_SPACE:
            return DialogKey::Space;
        case VK_RETURN:
            return DialogKey::Enter;
        case VK_ESCAPE:
            return DialogKey::Escape;
        default:
            return std::nullopt;
    }
}

}  // namespace

SettingsDialog::SettingsDialog()
    : dpi_(ScreenDpi()), Pic_C(*this), control_(*this, settingsFile_) {}

bool SettingsDialog::Create(HINSTANCE instance) {
    instance_ = instance;
    std::optional<SettingsDialogLayout> layout = SettingsDialogLayoutAt(dpi_, Cp932FromUtf8);
    if (!layout) return false;
    layout_ = std::move(*layout);

    RECT outer = {0, 0, layout_.Tesselune_P.width, layout_.Tesselune_P.height};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
    // NOTE: with CS_DBLCLKS the second press of a double-click comes as
    // WM_LBUTTONDBLCLK, which is no click on the home-page label: one
    // double-click opens the page once.
    if (!FormWindow::Create(instance, kDialogClass, StoredCaption(layout_.Tesselune_P).c_str(),
                            kDialogStyle, nullptr, CS_DBLCLKS)) {
        return false;
    }
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    const int large = GetSystemMetrics(SM_CXICON);
    const int small = GetSystemMetrics(SM_CXSMICON);
    auto icon = [&](int size) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TESSELUNE),
                                                   IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, icon(large));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, icon(small));
    if (!CreateControls(instance)) return false;
    Load();
    return true;
}

// The form's own loading of its stored layout: every control in place with
// its stored properties, before Load runs. The pictures are drawn for 96
// dpi and loaded at the screen's; one that cannot be had is not drawn.
bool SettingsDialog::CreateControls(HINSTANCE instance) {
    pointingHand_ = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND));
    Pic_Mbl.LoadBitmapResource(instance, IDB_STRIP, dpi_);
    Img_Ra[0].LoadBitmapResource(instance, IDB_RADIO_OFF, dpi_);
    Img_Ra[1].LoadBitmapResource(instance, IDB_RADIO_ON, dpi_);

    if (!Pic_C.Load(instance, Handle(), layout_.Pic_C)) return false;
    Pic_C.Shape3.emplace(layout_.Shape3, ScaleToDpi(1, dpi_));
    Pic_C.lbl.emplace_back(layout_.lblHeading);
    Pic_C.lbl.emplace_back(layout_.lblTrackBox);
    for (int source = 0; source < kMusicKindCount; ++source) {
        Pic_C.Img_BGM[source].emplace(layout_.Img_BGM[source]);
        Pic_C.lbl_BGM[source].emplace(layout_.lbl_BGM[source]);
    }
    Pic_C.lbl_Fname.emplace(layout_.lbl_Fname);
    lbl_URL.emplace(layout_.lbl_URL);

    const StoredControl& repeat = layout_.BGM_Repeat;
    // NOTE: a drop-down combo's height includes its list; the box itself
    // takes its height from the font.
    BGM_Repeat = CreateWindowExW(
        0, L"COMBOBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        repeat.left, repeat.top, repeat.width, repeat.height * 8, Pic_C.Handle(), nullptr, instance,
        nullptr);
    if (!BGM_Repeat) return false;
    if (const PropertyValue* font = repeat.properties.Find("Font")) {
        if (const auto* stored = std::get_if<StoredFont>(font)) {
            trackBoxFont_ = std::make_unique<CaptionFont>(*stored);
            SendMessageW(BGM_Repeat, WM_SETFONT, reinterpret_cast<WPARAM>(trackBoxFont_->Handle()),
                         FALSE);
        }
    }
    SendMessageW(BGM_Repeat, CB_SETITEMHEIGHT, WPARAM(-1), repeat.height - ScaleToDpi(6, dpi_));

    auto place = [&](CommandWindow& button, HWND parent, const StoredControl& stored) {
        button.GotFocus = [this, &button] { FocusArrivedAt(button.Handle()); };
        return button.Create(instance, parent, stored.left, stored.top, stored.width, stored.height,
                             stored.properties);
    };
    if (!place(Cmd_File, Pic_C.Handle(), layout_.Cmd_File) ||
        !place(Cmd_Set, Handle(), layout_.Cmd_Set) || !place(Cmd_Can, Handle(), layout_.Cmd_Can)) {
        return false;
    }
    Cmd_File.Click = [this] { control_.ChooseFile(); };
    Cmd_Set.Click = [this] { control_.Confirm(); };
    Cmd_Can.Click = [this] { control_.Cancel(); };
    return true;
}

void SettingsDialog::Load() {
    RECT outer = {};
    GetWindowRect(Handle(), &outer);
    const DialogPosition position =
        PlaceDialog(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                    outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(Handle(), nullptr, position.left, position.top, 0, 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    InitCommands();
    GuardedStep([&] { TileStrip(Pic_C.Picture()); });
    control_.Load();
    POINT cursor = {};
    const BOOL pointed = GetCursorPos(&cursor);
    LastResult = pointed;
    ZoomPointX = pointed ? std::int16_t(cursor.x) : 0;
    ZoomPointY = pointed ? std::int16_t(cursor.y) : 0;
    ZoomOpen(Handle());
    SetDefaultPointer();
}

void SettingsDialog::InitCommands() {
    for (CommandWindow* button : {&Cmd_File, &Cmd_Set, &Cmd_Can}) button->Control().Initialize();
}

// Column by column, each from the top down until one copy lies below the
// target, and columns until one lies beyond it; into the target's own
// picture, so the copies stay.
void SettingsDialog::TileStrip(PictureSurface& target) {
    if (!Pic_Mbl.Dc() || !target.Dc()) return;
    for (const StripPlace& place :
         TileStripPlaces(target.Width(), target.Height(), Pic_Mbl.Width(), Pic_Mbl.Height())) {
        LastResult = BitBlt(target.Dc(), place.x, place.y, Pic_Mbl.Width(), Pic_Mbl.Height(),
                            Pic_Mbl.Dc(), 0, 0, SRCCOPY);
    }
}

void SettingsDialog::OpenHomePage() {
    if (!lbl_URL) return;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    deferred::ShellExecuteW(Handle(), L"open", lbl_URL->Caption().c_str(), L"", L"", SW_SHOWNORMAL);
    SetDefaultPointer();
}

// The caption bar's close button, the system menu and Alt+F4.
void SettingsDialog::OnCloseRequest() {
    control_.Cancel();
}

void SettingsDialog::OnUnload() {
    PostQuitMessage(0);
}

void SettingsDialog::Resize(int width, int height) {
    if (!background_.Resize(width, height, true)) return;
    for (int y = 0; y <= height; ++y) {
        const RowColour colour = BackgroundRowColour(y, height);
        const RECT row = {0, y, width, y + 1};
        SetDCBrushColor(background_.Dc(), RGB(colour.red, colour.green, colour.blue));
        FillRect(background_.Dc(), &row, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

// While the dialog window itself has the focus, the home-page link has it.
void SettingsDialog::OnPaint(HDC dc) {
    if (background_.Dc()) {
        BitBlt(dc, 0, 0, background_.Width(), background_.Height(), background_.Dc(), 0, 0,
               SRCCOPY);
    }
    if (!lbl_URL) return;
    lbl_URL->Draw(dc);
    if (GetFocus() == Handle()) lbl_URL->DrawFocus(dc);
}

LRESULT SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Resize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_ACTIVATE:
            // NOTE: handled here, not by the default, which would give the
            // focus to the dialog window itself.
            if (LOWORD(wParam) != WA_INACTIVE) control_.Activated();
            return 0;
        case WM_SETFOCUS:
            FocusArrivedAt(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_SETCURSOR: {
            POINT cursor = {};
            GetCursorPos(&cursor);
            ScreenToClient(Handle(), &cursor);
            if (LOWORD(lParam) == HTCLIENT && lbl_URL && lbl_URL->Contains(cursor) &&
                pointingHand_) {
                SetCursor(pointingHand_);
                return TRUE;
            }
            return FormWindow::OnMessage(message, wParam, lParam);
        }
        case WM_LBUTTONDOWN:
            urlPressed_ = lbl_URL && lbl_URL->Contains(PointOf(lParam));
            if (urlPressed_) SetFocus(Handle());
            return 0;
        case WM_LBUTTONUP:
            if (urlPressed_ && lbl_URL && lbl_URL->Contains(PointOf(lParam))) OpenHomePage();
            urlPressed_ = false;
            return 0;
        default:
            return FormWindow::OnMessage(message, wParam, lParam);
    }
}

// The keys the dialog itself uses, taken before the control with the focus
// sees them, as a Windows dialog's message loop takes them.
bool SettingsDialog::TakesKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
    const std::optional<DialogKey> key = DialogKeyOf(message.wParam);
    if (!key) return false;
    // An open track list closes with Enter and Esc itself.
    const bool listOpen = SendMessageW(BGM_Repeat, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    if (listOpen && (key == DialogKey::Enter || key == DialogKey::Escape)) return false;
    return control_.KeyPressed(*key);
}

void SettingsDialog::ShowModal() {
    if (!Handle()) return;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TakesKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ShowSettingsDialog(HINSTANCE instance) {
    SettingsDialog Tesselune_P;
    if (Tesselune_P.Create(instance)) Tesselune_P.ShowModal();
}
