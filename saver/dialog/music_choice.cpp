#include "music_choice.h"

#include "settings.h"
#include "settings_file.h"
#include "track_number.h"

MusicChoiceLook LookOfMusicChoice(std::int16_t kind) {
    MusicChoiceLook look;
    if (kind >= 0 && kind < kMusicKindCount) look.chosen = kind;
    look.trackBoxEnabled = kind == kAudioCd;
    look.fileButtonEnabled = kind == kMusicFile;
    return look;
}

std::array<SettingsEntry, 3> ConfirmedSettings(std::int16_t kind, std::string_view trackText,
                                               const std::string& file) {
    return {{{kBgmKindKey, SignColumnDecimal(kind)},
             {kBgmRepeatKey, SignColumnDecimal(TrackNumberFromText(trackText))},
             {kBgmFileKey, file}}};
}
