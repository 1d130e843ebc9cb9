// Which kind of music file the run plays, told by the end of its name.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kWavEnding[] = "WAV";
inline constexpr char kMp3Ending[] = "MP3";

// The last three characters of path, upper-cased; the whole path when it is
// shorter. a.Mp3 gives MP3.
std::string MusicFileEnding(std::string_view path);
