// The settings dialog Tesselune_P as Win32 windows: the music of a run
// (none, an audio CD with a track to repeat, or an MP3 or WAV file) and the
// home page. Built from its stored layout at the screen's dpi; it decodes
// the dialog's mouse, keys and focus for its SettingsDialogControl and
// shows what that asks for.
#pragma once

#include "command_window_win32.h"
#include "dialog_layout.h"
#include "music_panel_win32.h"
#include "picture_surface_win32.h"
#include "settings_dialog_control.h"
#include "settings_file_win32.h"
#include "windowless_controls_win32.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class SettingsDialog final : public FormWindow, private SettingsDialogView {
  public:
    SettingsDialog();
    // Creates the dialog and its controls from the stored layout and runs
    // Load; false, with nothing shown, when the layout lacks a control or a
    // window cannot be made.
    bool Create(HINSTANCE instance);
    // Shows the dialog and returns once it has closed.
    void ShowModal();

    SettingsDialogControl& Control() { return control_; }
    // The platform gave window the keyboard's focus.
    void FocusArrivedAt(HWND window);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    void OnCloseRequest() override;
    void OnUnload() override;

  private:
    // SettingsDialogView
    void ShowMusicChoice(std::optional<int> chosen, int focusMark) override;
    void EnableTrackBox(bool enabled) override;
    void EnableFileButton(bool enabled) override;
    void ShowTrackText(const std::string& text) override;
    void FillTrackList(const std::vector<std::string>& entries) override;
    std::string TrackText() const override;
    void ShowFileCaption(const std::string& file) override;
    std::optional<std::string> ChooseMusicFile(const std::string& folder) override;
    void OpenHomePage() override;
    void MoveFocus(DialogControl control) override;
    void Close() override;

    bool CreateControls(HINSTANCE instance);
    void Load();
    void Resize(int width, int height);
    void InitCommands();
    void TileStrip(PictureSurface& target);
    bool TakesKey(const MSG& message);
    // Each control that takes the focus, with the window that holds it.
    std::array<std::pair<DialogControl, HWND>, 6> FocusWindows() const;

    HINSTANCE instance_ = nullptr;
    int dpi_;
    SettingsDialogLayout layout_;
    PictureSurface background_;
    PictureSurface Pic_Mbl;
    std::array<PictureSurface, 2> Img_Ra;
    MusicPanel Pic_C;
    // The font outlives the track box, which only borrows it.
    std::unique_ptr<CaptionFont> trackBoxFont_;
    HWND BGM_Repeat = nullptr;
    CommandWindow Cmd_File;
    CommandWindow Cmd_Set;
    CommandWindow Cmd_Can;
    std::optional<WindowlessLabel> lbl_URL;
    HCURSOR pointingHand_ = nullptr;
    bool urlPressed_ = false;
    ProfileSettingsFile settingsFile_;
    SettingsDialogControl control_;
};

// Win32 layer of start-up: shows Tesselune_P modally; returns when it has
// closed, or at once, with nothing shown, when it cannot be built.
void ShowSettingsDialog(HINSTANCE instance);
