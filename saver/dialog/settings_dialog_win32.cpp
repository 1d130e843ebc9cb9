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

#include <commdlg.h>
#include <shellapi.h>

namespace {

constexpr char kDialogClass[] = "Tesselune_P";
constexpr char kPanelClass[] = "Tesselune_P.Pic_C";
constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// "BGMﾌｧｲﾙ (MP3 WAV)", then its pattern, as the file chooser's filter.
constexpr wchar_t kMusicFileFilter[] = L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kFileChooserTitle[] =
    L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";  // ﾌｧｲﾙを開く
constexpr DWORD kFileBufferLength = 255;

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
            const POINT point = PointOf(lParam);
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

void SettingsDialog::ShowMusicChoice(std::optional<int> chosen, int focusMark) {
    for (std::size_t source = 0; source < Pic_C.Img_BGM.size(); ++source) {
        if (!Pic_C.Img_BGM[source]) continue;
        const bool isChosen = chosen && std::size_t(*chosen) == source;
        Pic_C.Img_BGM[source]->SetPicture(&Img_Ra[isChosen ? 1 : 0]);
    }
    Pic_C.focusMark = focusMark;
    InvalidateRect(Pic_C.Handle(), nullptr, FALSE);
}

void SettingsDialog::EnableTrackBox(bool enabled) {
    EnableWindow(BGM_Repeat, enabled);
}

void SettingsDialog::EnableFileButton(bool enabled) {
    Cmd_File.Control().SetEnabled(enabled);
}

void SettingsDialog::ShowTrackText(const std::string& text) {
    SetWindowTextW(BGM_Repeat, WideFromCp932(text).c_str());
}

void SettingsDialog::FillTrackList(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        SendMessageW(BGM_Repeat, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromCp932(entry).c_str()));
    }
}

std::string SettingsDialog::TrackText() const {
    const int length = GetWindowTextLengthW(BGM_Repeat);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(BGM_Repeat, text.data(), length + 1);
    text.resize(std::size_t(length));
    // Anything beyond code page 932 turns into "?", which is no number.
    return BytesFromWide(932, text);
}

void SettingsDialog::ShowFileCaption(const std::string& file) {
    if (Pic_C.lbl_Fname) Pic_C.lbl_Fname->SetCaption(WideFromBytes(CP_ACP, file));
    InvalidateRect(Pic_C.Handle(), nullptr, FALSE);
}

// NOTE: the wide chooser, so that its title and filter show in Japanese on
// any system; the path it gives is handed on in the ANSI code page, as the
// profile, file and MCI functions that take it expect. A path that would not
// come back from the settings file as the same file (too long in that code
// page, or with characters it lacks) goes in its short form, or, without
// one, changes nothing, as a path too long for the chooser does.
std::optional<std::string> SettingsDialog::ChooseMusicFile(const std::string& folder) {
    std::wstring file(kFileBufferLength + 1, L'\0');
    std::wstring title(kFileBufferLength + 1, L'\0');
    const std::wstring startFolder = WideFromBytes(CP_ACP, folder);
    OPENFILENAMEW chooser = {};
    // NOTE: the record as first defined, without the later fields, so every
    // version of the file chooser takes it.
    chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    chooser.hwndOwner = Handle();
    chooser.hInstance = instance_;
    chooser.lpstrFilter = kMusicFileFilter;
    chooser.nFilterIndex = 0;
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = kFileBufferLength;
    chooser.lpstrFileTitle = title.data();
    chooser.nMaxFileTitle = kFileBufferLength;
    chooser.lpstrInitialDir = startFolder.c_str();
    chooser.lpstrTitle = kFileChooserTitle;
    chooser.Flags = 0;
    const BOOL chosen = deferred::GetOpenFileNameW(&chooser);
    LastResult = chosen;
    if (!chosen) return std::nullopt;
    return StorablePath(file.substr(0, file.find(L'\0')));
}

void SettingsDialog::OpenHomePage() {
    if (!lbl_URL) return;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    deferred::ShellExecuteW(Handle(), L"open", lbl_URL->Caption().c_str(), L"", L"", SW_SHOWNORMAL);
    SetDefaultPointer();
}

std::array<std::pair<DialogControl, HWND>, 6> SettingsDialog::FocusWindows() const {
    return {{{DialogControl::MusicChoice, Pic_C.Handle()},
             {DialogControl::TrackBox, BGM_Repeat},
             {DialogControl::FileButton, Cmd_File.Handle()},
             {DialogControl::HomePage, Handle()},
             {DialogControl::SetButton, Cmd_Set.Handle()},
             {DialogControl::CancelButton, Cmd_Can.Handle()}}};
}

void SettingsDialog::MoveFocus(DialogControl control) {
    for (const auto& [focusable, window] : FocusWindows()) {
        if (focusable != control) continue;
        SetFocus(window);
        // As a Windows dialog does on tabbing into an edit box: its text is
        // selected, so typing replaces it.
        if (control == DialogControl::TrackBox) {
            SendMessageW(BGM_Repeat, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        }
    }
}

void SettingsDialog::FocusArrivedAt(HWND window) {
    for (const auto& [control, focusWindow] : FocusWindows()) {
        if (focusWindow == window) control_.FocusArrived(control);
    }
}

// Unload: the dialog folds back into the point it opened from.
void SettingsDialog::Close() {
    if (!Handle()) return;
    ZoomClose(Handle());
    DestroyWindow(Handle());
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
