// The music panel Pic_C of the settings dialog Tesselune_P as a Win32
// window: it decodes the clicks on the music choice and its focus for the
// dialog, and paints its picture and windowless controls.
#pragma once

#include "form_window_win32.h"
#include "picture_surface_win32.h"
#include "settings.h"
#include "windowless_controls_win32.h"

#include <array>
#include <optional>
#include <vector>

class SettingsDialog;

// Pic_C: the textured panel holding the music choice, drawn from its own
// persistent picture with its windowless controls on top. While it has the
// keyboard's focus, the music choice has it.
class MusicPanel final : public FormWindow {
  public:
    explicit MusicPanel(SettingsDialog& dialog) : dialog_(dialog) {}
    bool Load(HINSTANCE instance, HWND dialog, const StoredControl& stored);
    PictureSurface& Picture() { return picture_; }

    std::optional<WindowlessShape> Shape3;
    std::vector<WindowlessLabel> lbl;
    std::array<std::optional<WindowlessImage>, kMusicKindCount> Img_BGM;
    std::array<std::optional<WindowlessLabel>, kMusicKindCount> lbl_BGM;
    std::optional<WindowlessLabel> lbl_Fname;
    // The source whose caption the focus rectangle goes round.
    int focusMark = kAudioCd;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;

  private:
    SettingsDialog& dialog_;
    PictureSurface picture_;
};
