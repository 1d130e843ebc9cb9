// The settings dialog's stored layout, built into the program from
// settings_dialog.layout.
#pragma once

extern const char kSettingsDialogLayout[];
