#include "dialog_layout.h"

namespace {

// Copies the control named, placed at dpi, into place; false when the form
// has none of that name and index.
bool Take(const StoredForm& form, int dpi, StoredControl& place, std::string_view name,
          std::optional<int> index = {}) {
    const StoredControl* control = form.Find(name, index);
    if (!control) return false;
    place = PlacedAtDpi(*control, dpi);
    return true;
}

}  // namespace

std::optional<SettingsDialogLayout> SettingsDialogLayoutAt(int dpi,
                                                           const StoredTextConversion& convertText,
                                                           std::string_view layoutText) {
    const std::optional<StoredForm> form = ReadFormLayout(layoutText, convertText);
    if (!form) return std::nullopt;
    SettingsDialogLayout layout;
    layout.Tesselune_P = PlacedAtDpi(form->form, dpi);
    bool complete =
        Take(*form, dpi, layout.Pic_C, "Pic_C") && Take(*form, dpi, layout.Shape3, "Shape3") &&
        Take(*form, dpi, layout.lblHeading, "lbl", 15) &&
        Take(*form, dpi, layout.lblTrackBox, "lbl", 14) &&
        Take(*form, dpi, layout.BGM_Repeat, "BGM_Repeat") &&
        Take(*form, dpi, layout.Cmd_File, "Cmd_File") &&
        Take(*form, dpi, layout.lbl_Fname, "lbl_Fname") &&
        Take(*form, dpi, layout.lbl_URL, "lbl_URL") &&
        Take(*form, dpi, layout.Cmd_Set, "Cmd_Set") && Take(*form, dpi, layout.Cmd_Can, "Cmd_Can");
    for (int kind = 0; kind < kMusicKindCount; ++kind) {
        complete = complete && Take(*form, dpi, layout.Img_BGM[kind], "Img_BGM", kind) &&
                   Take(*form, dpi, layout.lbl_BGM[kind], "lbl_BGM", kind);
    }
    if (!complete) return std::nullopt;
    return layout;
}
