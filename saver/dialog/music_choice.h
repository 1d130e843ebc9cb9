// The settings dialog's music choice: which source shows as chosen and which
// controls it enables, and the settings that confirming writes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>


struct MusicChoiceLook {
    // The source whose picture shows chosen; none for a kind outside 0 to 2,
    // as a hand-edited file may hold.
    std::optional<int> chosen;
    bool trackBoxEnabled = false;  // BGM_Repeat
    bool fileButtonEnabled = false;  // Cmd_File
};

MusicChoiceLook LookOfMusicChoice(std::int16_t kind);

struct SettingsEntry {
    const char* key;  // code page 932
    std::string value;
};

// What confirming writes, in order: the kind, the track typed in the track
// box (whatever the source, so a stored track survives the other choices)
// and the file, each as the settings file holds it.
std::array<SettingsEntry, 3> ConfirmedSettings(std::int16_t kind, std::string_view trackText,
                                               const std::string& file);
