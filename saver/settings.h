// The saver's settings variables: filled once by LoadSettings, read by the run
// window and the music, changed and written only by the settings dialog.
// Strings hold code page 932 bytes, as the profile functions give them.
#pragma once

#include <cstdint>
#include <string>

extern std::int16_t BgmKind;    // 0 no music, 1 audio CD, 2 music file
extern std::int16_t BgmRepeat;  // audio-CD track to repeat; 0 plays the disc on
extern std::string BgmFile;     // full path of the MP3 or WAV file, or empty
extern std::string BgmFolder;   // where the file chooser starts; never stored
