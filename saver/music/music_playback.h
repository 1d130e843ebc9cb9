// The music module's playback: an audio CD through MCI "cdaudio", an MP3
// file through MCI "MPEGVideo" under the alias "MP3Play", a WAV file through
// PlaySound. The run window starts, polls and stops them.
#pragma once

#include <cstdint>

// True at the start of every CD poll; False once the CD fails to answer,
// after which the run window polls no more.
extern std::int16_t CdReady;

void CdOpen();
// Starts a stopped disc and brings the play back to track BgmRepeat when it
// is set and another track plays.
void CdPoll();
void CdStop();

// Opens BgmFile and plays it; nothing plays when the open fails.
void Mp3Play();
std::int16_t Mp3IsPlaying();
// Starts the MP3 again from its beginning once it has ended.
void Mp3Poll();
void Mp3Stop();

// Loops BgmFile until WavStop; nothing without a wave output device.
void WavPlay();
void WavStop();
