// What the settings dialog asks of the platform that shows it. The dialog's
// rules live in SettingsDialogControl; the Win32 layer implements this and
// feeds the control the dialog's clicks, keys and focus.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The controls that take the keyboard's focus, in the order Tab visits them.
enum class DialogControl { MusicChoice, TrackBox, FileButton, HomePage, SetButton, CancelButton };

enum class DialogKey { Tab, ShiftTab, Up, Down, Left, Right, Space, Enter, Escape };

class SettingsDialogView {
  public:
    virtual ~SettingsDialogView() = default;

    // The sources' pictures: source `chosen` (a BgmKind) with the chosen
    // picture, the others not; none chosen for a kind outside the sources.
    // While the music choice has the focus, its focus rectangle goes round
    // the caption of source `focusMark`.
    virtual void ShowMusicChoice(std::optional<int> chosen, int focusMark) = 0;
    // BGM_Repeat and Cmd_File.
    virtual void EnableTrackBox(bool enabled) = 0;
    virtual void EnableFileButton(bool enabled) = 0;

    // The track box's text and list, and what was typed into it, in code
    // page 932.
    virtual void ShowTrackText(const std::string& text) = 0;
    virtual void FillTrackList(const std::vector<std::string>& entries) = 0;
    virtual std::string TrackText() const = 0;

    // lbl_Fname, in the ANSI code page.
    virtual void ShowFileCaption(const std::string& file) = 0;

    // The file chooser, starting in folder: the chosen file's path as the
    // settings file can hold it, or nothing when none was chosen.
    virtual std::optional<std::string> ChooseMusicFile(const std::string& folder) = 0;
    virtual void OpenHomePage() = 0;

    // Gives control the keyboard's focus and shows that it has it.
    virtual void MoveFocus(DialogControl control) = 0;
    // Unload: the dialog folds away and the program goes on to its end.
    virtual void Close() = 0;
};
