// The saver's settings variables: filled once by LoadSettings, read by the run
// window and the music, changed by the settings dialog, which alone writes
// them back with SaveSettings.
// Strings hold bytes of the machine's ANSI code page, as the profile functions
// give them.
#pragma once

#include <cstdint>
#include <string>

// The music sources that BgmKind names. A stored kind outside them stays as
// read, and means no music to the run.
enum MusicKind : std::int16_t { kNoMusic = 0, kAudioCd = 1, kMusicFile = 2 };
inline constexpr int kMusicKindCount = 3;

extern std::int16_t BgmKind;    // a MusicKind, or any other value as stored
extern std::int16_t BgmRepeat;  // audio-CD track to repeat; 0 plays the disc on
extern std::string BgmFile;     // full path of the MP3 or WAV file, or empty
extern std::string BgmFolder;   // where the file chooser starts; never stored

// What LoadSettings reads from the platform. It only reads: loading never
// writes the settings file.
class SettingsSource {
  public:
    virtual ~SettingsSource() = default;
    virtual std::string ProgramFolder() const = 0;
    virtual std::string IniRead(const std::string& section, const std::string& key,
                                const std::string& path) const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
};

// Fills the four variables from the settings file. Every step is guarded: a
// step that fails leaves its variable as it was. A stored music file that
// cannot be opened is dropped, and with it the music-file choice.
void LoadSettings(const SettingsSource& source);

// What SaveSettings writes through.
class SettingsTarget {
  public:
    virtual ~SettingsTarget() = default;
    virtual std::string ProgramFolder() const = 0;
    virtual void IniWrite(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) = 0;
};

// Writes BgmKind, BgmRepeat and BgmFile to the settings file, always all
// three and in that order, the numbers in the sign-column form: what
// LoadSettings reads back. Each write is guarded: one that fails does not
// keep the others from being written.
void SaveSettings(SettingsTarget& target);
