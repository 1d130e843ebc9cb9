// The music of a run, as the settings chose it: an audio CD through MCI
// "cdaudio", an MP3 file through MCI "MPEGVideo" under the alias "MP3Play", a
// WAV file through PlaySound, or none. The run window makes it at load,
// starts it, polls it for as long as it asks to be polled, and stops it at
// unload.
#pragma once

#include "mci_channel.h"
#include "saver_boolean.h"

#include <cstdint>
#include <string>

class MusicPlayback {
  public:
    // kind, repeat and file as BgmKind, BgmRepeat and BgmFile give them. A
    // music file plays as WAV or MP3 by the ending of its name, and as
    // nothing with any other ending.
    MusicPlayback(std::int16_t kind, std::int16_t repeat, std::string file);
    ~MusicPlayback() { Stop(); }
    MusicPlayback(const MusicPlayback&) = delete;
    MusicPlayback& operator=(const MusicPlayback&) = delete;

    // Opens the CD (its first poll plays it), loops the WAV, or opens and
    // plays the MP3.
    void Start();
    // Milliseconds between polls: 200 for the CD, 1000 for an MP3.
    unsigned PollInterval() const;
    // True while the music asks to be polled: from the start, for an MP3 until
    // the stop, for the CD until it fails to answer.
    bool Polling() const { return polling_; }
    // Keeps the CD playing and on its chosen track; starts an MP3 that has
    // ended again from its beginning.
    void Poll() noexcept;
    // Stops and closes what plays. A CD that no longer answers is left
    // alone. Nothing happens before the start or after a stop.
    void Stop() noexcept;

  private:
    enum class Source { kNone, kAudioCd, kWavFile, kMp3File };

    void CdOpen();
    void CdPoll() noexcept;
    void PollCd();
    void CdStop();
    void Mp3Play();
    bool Mp3IsPlaying();
    void Mp3Poll();
    void Mp3Stop();
    void WavPlay();
    void WavStop();

    Source source_ = Source::kNone;
    std::int16_t repeat_;  // the CD track to repeat; 0 plays the disc on
    std::string file_;
    MciChannel channel_;
    bool started_ = false;
    bool polling_ = false;
    // True at the start of every CD poll; False once the CD fails to answer.
    std::int16_t CdReady = kSaverFalse;
    char cdModeBuffer_[255] = {};
    char mp3ModeBuffer_[30] = {};
};
