// The settings dialog Tesselune_P's rules, without a window: what a load
// shows, choosing a source and a file, the track number, confirming and
// cancelling, and the keyboard's focus and keys. It works on the settings
// variables and shows everything through its SettingsDialogView.
#pragma once

#include "settings.h"
#include "settings_dialog_view.h"

class SettingsDialogControl {
  public:
    SettingsDialogControl(SettingsDialogView& view, SettingsTarget& settingsFile)
        : view_(view), settingsFile_(settingsFile) {}
    SettingsDialogControl(const SettingsDialogControl&) = delete;
    SettingsDialogControl& operator=(const SettingsDialogControl&) = delete;

    // Shows the settings as loaded: the chosen source and what it enables,
    // the track number and list, the file. The focus starts on the music
    // choice.
    void Load();

    // Source (a BgmKind) pressed with any mouse button, or reached with the
    // arrow keys: it becomes BgmKind, in memory only. The file and the track
    // text stay as they are.
    void ChooseMusicSource(int source);
    // Cmd_File: a file picked in the chooser becomes BgmFile, and its folder
    // where the chooser starts next. Nothing unless the music file is the
    // chosen source.
    void ChooseFile();
    // Cmd_Set: the track text becomes BgmRepeat, the settings are written,
    // the dialog closes.
    void Confirm();
    // Cmd_Can, Esc, and every other way of closing: nothing is written.
    void Cancel();

    // The platform moved the focus, by a click or on activation.
    void FocusArrived(DialogControl control) { focus_ = control; }
    // The dialog became the active window: the focus goes back where it was.
    void Activated() { view_.MoveFocus(focus_); }
    DialogControl Focus() const { return focus_; }

    // True when the dialog used the key; false leaves it to the control that
    // has the focus (typing, or the track box's own list keys).
    bool KeyPressed(DialogKey key);

  private:
    void ShowChoice();
    int FocusMark() const;
    bool CanFocus(DialogControl control) const;
    void MoveFocusBy(int step);
    void StepMusicChoice(int step);
    bool Press(DialogControl control);

    SettingsDialogView& view_;
    SettingsTarget& settingsFile_;
    DialogControl focus_ = DialogControl::MusicChoice;
};
