#include "settings_dialog_win32.h"

#include "deferred_imports_win32.h"
#include "dialog_background.h"
#include "guarded_step.h"
#include "last_result.h"
#include "music_choice.h"
#include "path_routines.h"
#include "path_routines_win32.h"
#include "property_conversion.h"
#include "saver_resources.h"
#include "settings.h"
#include "settings_dialog_layout.h"
#include "settings_dialog_resources.h"
#include "settings_file.h"
#include "settings_file_win32.h"
#include "track_number.h"
#include "wide_text_win32.h"
#include "window_zoom_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include <stdexcept>

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

const StoredControl& Stored(const StoredForm& form, std::string_view name,
                            std::optional<int> index = {}) {
    const StoredControl* control = form.Find(name, index);
    // The layout is built into the program and checked by the tests, so a
    // missing control is a fault of the build, not of the user's system.
    if (!control) throw std::runtime_error("control missing from the layout");
    return *control;
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
                if (onImage || onLabel) {
                    dialog_.ChooseMusicSource(source);
                    break;
                }
            }
            return 0;
        }
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
}

SettingsDialog::SettingsDialog() : Pic_C(*this) {}

bool SettingsDialog::Create(HINSTANCE instance) {
    instance_ = instance;
    std::optional<StoredForm> layout = ReadFormLayout(kSettingsDialogLayout, Cp932FromUtf8);
    if (!layout) return false;
    layout_ = std::move(*layout);

    RECT outer = {0, 0, layout_.form.width, layout_.form.height};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
    // NOTE: with CS_DBLCLKS the second press of a double-click comes as
    // WM_LBUTTONDBLCLK, which is no click on the home-page label: one
    // double-click opens the page once.
    if (!FormWindow::Create(instance, kDialogClass, StoredCaption(layout_.form).c_str(),
                            kDialogStyle, nullptr, CS_DBLCLKS)) {
        return false;
    }
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    GuardedStep([&] {
        const int large = GetSystemMetrics(SM_CXICON);
        const int small = GetSystemMetrics(SM_CXSMICON);
        auto icon = [&](int size) {
            return reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TESSELUNE),
                                                       IMAGE_ICON, size, size, LR_SHARED));
        };
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, icon(large));
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL, icon(small));
    });
    GuardedStep([&] { CreateControls(instance); });
    Load();
    return true;
}

// The form's own loading of its stored layout: every control in place with
// its stored properties, before Load runs.
bool SettingsDialog::CreateControls(HINSTANCE instance) {
    pointingHand_ = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND));
    Pic_Mbl.LoadBitmapResource(instance, IDB_STRIP);
    Img_Ra[0].LoadBitmapResource(instance, IDB_RADIO_OFF);
    Img_Ra[1].LoadBitmapResource(instance, IDB_RADIO_ON);

    if (!Pic_C.Load(instance, Handle(), Stored(layout_, "Pic_C"))) return false;
    Pic_C.Shape3.emplace(Stored(layout_, "Shape3"));
    Pic_C.lbl.emplace_back(Stored(layout_, "lbl", 15));
    Pic_C.lbl.emplace_back(Stored(layout_, "lbl", 14));
    for (int source = 0; source < kMusicKindCount; ++source) {
        Pic_C.Img_BGM[source].emplace(Stored(layout_, "Img_BGM", source));
        Pic_C.lbl_BGM[source].emplace(Stored(layout_, "lbl_BGM", source));
    }
    Pic_C.lbl_Fname.emplace(Stored(layout_, "lbl_Fname"));
    lbl_URL.emplace(Stored(layout_, "lbl_URL"));

    const StoredControl& repeat = Stored(layout_, "BGM_Repeat");
    // NOTE: a drop-down combo's height includes its list; the box itself
    // takes its height from the font.
    BGM_Repeat = CreateWindowExW(
        0, L"COMBOBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        repeat.left, repeat.top, repeat.width, repeat.height * 8, Pic_C.Handle(), nullptr, instance,
        nullptr);
    if (const PropertyValue* font = repeat.properties.Find("Font")) {
        if (const auto* stored = std::get_if<StoredFont>(font)) {
            trackBoxFont_ = std::make_unique<CaptionFont>(*stored);
            SendMessageW(BGM_Repeat, WM_SETFONT, reinterpret_cast<WPARAM>(trackBoxFont_->Handle()),
                         FALSE);
        }
    }
    SendMessageW(BGM_Repeat, CB_SETITEMHEIGHT, WPARAM(-1), repeat.height - 6);

    auto place = [&](CommandWindow& button, HWND parent, const char* name) {
        const StoredControl& stored = Stored(layout_, name);
        button.Create(instance, parent, stored.left, stored.top, stored.width, stored.height,
                      stored.properties);
    };
    place(Cmd_File, Pic_C.Handle(), "Cmd_File");
    place(Cmd_Set, Handle(), "Cmd_Set");
    place(Cmd_Can, Handle(), "Cmd_Can");
    Cmd_File.Click = [this] { ChooseFile(); };
    Cmd_Set.Click = [this] { Confirm(); };
    Cmd_Can.Click = [this] { Close(); };
    return true;
}

void SettingsDialog::Load() {
    GuardedStep([&] {
        RECT outer = {};
        GetWindowRect(Handle(), &outer);
        const DialogPosition position =
            PlaceDialog(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                        outer.right - outer.left, outer.bottom - outer.top);
        SetWindowPos(Handle(), nullptr, position.left, position.top, 0, 0,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    });
    GuardedStep([&] { InitCommands(); });
    GuardedStep([&] { TileStrip(Pic_C.Picture()); });
    GuardedStep([&] {
        Cmd_File.Control().SetEnabled(false);
        EnableWindow(BGM_Repeat, FALSE);
    });
    const MusicChoiceLook look = LookOfMusicChoice(BgmKind);
    GuardedStep([&] { ShowMusicChoice(look.chosen); });
    GuardedStep([&] {
        if (look.trackBoxEnabled) EnableWindow(BGM_Repeat, TRUE);
        Cmd_File.Control().SetEnabled(look.fileButtonEnabled);
    });
    GuardedStep([&] { SetWindowTextA(BGM_Repeat, FormatTrackNumber(BgmRepeat).c_str()); });
    GuardedStep([&] {
        for (const std::string& entry : TrackListEntries()) {
            SendMessageA(BGM_Repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
    });
    GuardedStep([&] {
        if (Pic_C.lbl_Fname) Pic_C.lbl_Fname->SetCaption(WideFromBytes(CP_ACP, BgmFile));
    });
    GuardedStep([&] {
        POINT cursor = {};
        LastResult = GetCursorPos(&cursor);
        ZoomPointX = LastResult ? std::int16_t(cursor.x) : 0;
        ZoomPointY = LastResult ? std::int16_t(cursor.y) : 0;
    });
    GuardedStep([&] { ZoomOpen(Handle()); });
    GuardedStep([] { SetDefaultPointer(); });
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

void SettingsDialog::ShowMusicChoice(std::optional<int> chosen) {
    for (auto& image : Pic_C.Img_BGM) {
        if (image) image->SetPicture(&Img_Ra[0]);
    }
    if (chosen && Pic_C.Img_BGM[std::size_t(*chosen)]) {
        Pic_C.Img_BGM[std::size_t(*chosen)]->SetPicture(&Img_Ra[1]);
    }
    InvalidateRect(Pic_C.Handle(), nullptr, FALSE);
}

void SettingsDialog::ChooseMusicSource(int source) {
    BgmKind = std::int16_t(source);
    Cmd_File.Control().SetEnabled(false);
    EnableWindow(BGM_Repeat, FALSE);
    const MusicChoiceLook look = LookOfMusicChoice(BgmKind);
    ShowMusicChoice(look.chosen);
    if (look.trackBoxEnabled) EnableWindow(BGM_Repeat, TRUE);
    if (look.fileButtonEnabled) Cmd_File.Control().SetEnabled(true);
}

// NOTE: the wide chooser, so that its title and filter show in Japanese on
// any system; the path it gives is handed on in the ANSI code page, as the
// profile, file and MCI functions that take it expect. A path that would not
// come back from the settings file as the same file (too long in that code
// page, or with characters it lacks) goes in its short form, or, without
// one, changes nothing, as a path too long for the chooser does.
void SettingsDialog::ChooseFile() {
    std::wstring file(kFileBufferLength + 1, L'\0');
    std::wstring title(kFileBufferLength + 1, L'\0');
    const std::wstring folder = WideFromBytes(CP_ACP, BgmFolder);
    OPENFILENAMEW chooser = {};
    GuardedStep([&] {
        // NOTE: the record as first defined, without the later fields, so
        // every version of the file chooser takes it.
        chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
        chooser.hwndOwner = Handle();
        chooser.hInstance = instance_;
        chooser.lpstrFilter = kMusicFileFilter;
        chooser.nFilterIndex = 0;
        chooser.lpstrFile = file.data();
        chooser.nMaxFile = kFileBufferLength;
        chooser.lpstrFileTitle = title.data();
        chooser.nMaxFileTitle = kFileBufferLength;
        chooser.lpstrInitialDir = folder.c_str();
        chooser.lpstrTitle = kFileChooserTitle;
        chooser.Flags = 0;
    });
    GuardedStep([&] { LastResult = deferred::GetOpenFileNameW(&chooser); });
    GuardedStep([&] {
        if (LastResult <= 0) return;
        const std::optional<std::string> stored = StorablePath(file.substr(0, file.find(L'\0')));
        if (!stored) return;
        BgmFile = *stored;
        if (Pic_C.lbl_Fname) Pic_C.lbl_Fname->SetCaption(WideFromBytes(CP_ACP, BgmFile));
        InvalidateRect(Pic_C.Handle(), nullptr, FALSE);
        BgmFolder = FolderOf(BgmFile);
    });
}

std::string SettingsDialog::TrackText() const {
    const int length = GetWindowTextLengthW(BGM_Repeat);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(BGM_Repeat, text.data(), length + 1);
    text.resize(std::size_t(length));
    // Anything beyond code page 932 turns into "?", which is no number.
    return BytesFromWide(932, text);
}

// The three keys always go, in order, whatever the source: a file picked
// earlier is kept with "なし", and a track typed for the CD with the file.
void SettingsDialog::Confirm() {
    const std::string trackText = TrackText();
    const std::string path = SettingsFilePath(ProgramFolder());
    const auto entries = ConfirmedSettings(BgmKind, trackText, BgmFile);
    BgmRepeat = TrackNumberFromText(trackText);
    for (const SettingsEntry& entry : entries) {
        GuardedStep([&] { IniWrite(kSettingsSection, entry.key, entry.value, path); });
    }
    Close();
}

void SettingsDialog::OpenHomePage() {
    if (!lbl_URL) return;
    GuardedStep([] { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); });
    GuardedStep([&] {
        deferred::ShellExecuteW(Handle(), L"open", lbl_URL->Caption().c_str(), L"", L"",
                                SW_SHOWNORMAL);
    });
    GuardedStep([] { SetDefaultPointer(); });
}

// Unload: the dialog folds back into the point it opened from.
void SettingsDialog::Close() {
    if (!Handle()) return;
    GuardedStep([&] { ZoomClose(Handle()); });
    DestroyWindow(Handle());
}

void SettingsDialog::OnCloseRequest() {
    Close();
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

void SettingsDialog::OnPaint(HDC dc) {
    if (background_.Dc()) {
        BitBlt(dc, 0, 0, background_.Width(), background_.Height(), background_.Dc(), 0, 0,
               SRCCOPY);
    }
    if (lbl_URL) lbl_URL->Draw(dc);
}

LRESULT SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Resize(LOWORD(lParam), HIWORD(lParam));
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
            return 0;
        case WM_LBUTTONUP:
            if (urlPressed_ && lbl_URL && lbl_URL->Contains(PointOf(lParam))) OpenHomePage();
            urlPressed_ = false;
            return 0;
        default:
            return FormWindow::OnMessage(message, wParam, lParam);
    }
}

void SettingsDialog::ShowModal() {
    if (!Handle()) return;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ShowSettingsDialog(HINSTANCE instance) {
    SettingsDialog Tesselune_P;
    if (Tesselune_P.Create(instance)) Tesselune_P.ShowModal();
}
