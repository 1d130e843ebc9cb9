// What the settings dialog's rules ask its window to show and do: the music
// choice, the track box, the file caption and chooser, the focus, closing.
#include "settings_dialog_win32.h"

#include "deferred_imports_win32.h"
#include "last_result.h"
#include "wide_text_win32.h"
#include "window_zoom_win32.h"

#include <commdlg.h>

namespace {

// "BGMﾌｧｲﾙ (MP3 WAV)", then its pattern, as the file chooser's filter.
constexpr wchar_t kMusicFileFilter[] = L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kFileChooserTitle[] =
    L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";  // ﾌｧｲﾙを開く
constexpr DWORD kFileBufferLength = 255;

}  // namespace

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
