// What a sound device has received, read back from the file that an ALSA
// "file" device under Wine writes: a WAV header, then the frames as played.
#pragma once

#include <cstddef>
#include <string>

// Bytes up to the end of the last sound in the sink file at path (a Windows
// path): it grows while sound arrives and stands still through silence. 0
// while the file is missing or holds silence only.
std::size_t SinkSoundEnd(const std::string& path);

// The Windows path under which Wine shows a Unix path.
std::string WinePath(const std::string& unixPath);
