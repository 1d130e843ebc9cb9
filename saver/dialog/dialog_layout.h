// The settings dialog's controls as its stored layout places them on a
// screen of a given dpi: every place and size that many times dpi / 96.
#pragma once

#include "form_layout.h"
#include "settings.h"
#include "settings_dialog_layout.h"

#include <array>
#include <optional>

struct SettingsDialogLayout {
    StoredControl Tesselune_P;  // its caption, and its client area's size
    StoredControl Pic_C;
    StoredControl Shape3;
    StoredControl lblHeading;                            // lbl(15), "BGM"
    StoredControl lblTrackBox;                           // lbl(14), the track box's caption
    std::array<StoredControl, kMusicKindCount> Img_BGM;  // by BgmKind
    std::array<StoredControl, kMusicKindCount> lbl_BGM;  // by BgmKind
    StoredControl BGM_Repeat;
    StoredControl Cmd_File;
    StoredControl lbl_Fname;
    StoredControl lbl_URL;
    StoredControl Cmd_Set;
    StoredControl Cmd_Can;
};

// The layout at dpi, read from layoutText (the one built into the program
// unless another is given); nothing when it does not read or lacks a
// control the dialog is made of, which then cannot be built.
std::optional<SettingsDialogLayout> SettingsDialogLayoutAt(
    int dpi, const StoredTextConversion& convertText,
    std::string_view layoutText = kSettingsDialogLayout);
