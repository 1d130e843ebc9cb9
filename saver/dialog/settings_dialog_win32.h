// The settings dialog Tesselune_P: the music of a run (none, an audio CD
// with a track to repeat, or an MP3 or WAV file) and the home page. Built
// from its stored layout; confirming writes the settings file, every other
// close writes nothing.
#pragma once

#include "command_window_win32.h"
#include "form_layout.h"
#include "form_window_win32.h"
#include "picture_surface_win32.h"
#include "windowless_controls_win32.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class SettingsDialog;

// Pic_C: the textured panel holding the music choice, drawn from its own
// persistent picture with its windowless controls on top.
class MusicPanel final : public FormWindow {
  public:
    explicit MusicPanel(SettingsDialog& dialog) : dialog_(dialog) {}
    bool Load(HINSTANCE instance, HWND dialog, const StoredControl& stored);
    PictureSurface& Picture() { return picture_; }

    std::optional<WindowlessShape> Shape3;
    std::vector<WindowlessLabel> lbl;
    std::array<std::optional<WindowlessImage>, 3> Img_BGM;
    std::array<std::optional<WindowlessLabel>, 3> lbl_BGM;
    std::optional<WindowlessLabel> lbl_Fname;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;

  private:
    SettingsDialog& dialog_;
    PictureSurface picture_;
};

class SettingsDialog final : public FormWindow {
  public:
    SettingsDialog();
    // Creates the dialog and its controls from the stored layout and runs
    // Load; false when the dialog's window cannot be made.
    bool Create(HINSTANCE instance);
    // Shows the dialog and returns once it has closed.
    void ShowModal();

    // Chooses music source i (0 none, 1 audio CD, 2 music file).
    void ChooseMusicSource(int source);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    void OnCloseRequest() override;
    void OnUnload() override;

  private:
    bool CreateControls(HINSTANCE instance);
    void Load();
    void Resize(int width, int height);
    void InitCommands();
    void TileStrip(PictureSurface& target);
    void ShowMusicChoice(std::optional<int> chosen);
    void ChooseFile();
    void Confirm();
    void OpenHomePage();
    void Close();
    std::string TrackText() const;

    HINSTANCE instance_ = nullptr;
    StoredForm layout_;
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
};

// Win32 layer of start-up: shows Tesselune_P modally; returns when it has
// closed, or at once when it cannot be made.
void ShowSettingsDialog(HINSTANCE instance);
