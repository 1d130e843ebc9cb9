#include "music_playback.h"

#include "ansi_text.h"
#include "last_result.h"
#include "multimedia.h"
#include "music_file_ending.h"
#include "numeric_literal.h"
#include "settings.h"

#include <cstring>
#include <optional>
#include <utility>

namespace {

constexpr unsigned kCdPollMilliseconds = 200;
constexpr unsigned kMp3PollMilliseconds = 1000;

std::uint32_t SendMciCommand(const char* command) {
    return SendMciString(command, nullptr, 0);
}

// Sends a status query whose reply only matters through its first letters.
// NOTE: the first character is cleared, since a failing query writes nothing
// and an earlier "playing" would otherwise be read again.
template <std::size_t size>
std::uint32_t QueryMode(const char* command, char (&buffer)[size]) {
    buffer[0] = '\0';
    return SendMciString(command, buffer, size);
}

bool ContainsErr(const std::string& reply) {
    return AnsiContains(AnsiUpperCase(reply), "ERR");
}

}  // namespace

MusicPlayback::MusicPlayback(std::int16_t kind, std::int16_t repeat, std::string file)
    : repeat_(repeat), file_(std::move(file)) {
    if (kind == kAudioCd) {
        source_ = Source::kAudioCd;
    } else if (kind == kMusicFile) {
        const std::string ending = MusicFileEnding(file_);
        if (ending == kWavEnding) source_ = Source::kWavFile;
        if (ending == kMp3Ending) source_ = Source::kMp3File;
    }
}

void MusicPlayback::Start() {
    if (started_) return;
    started_ = true;
    switch (source_) {
        case Source::kAudioCd:
            CdOpen();
            polling_ = true;
            break;
        case Source::kWavFile:
            WavPlay();
            break;
        case Source::kMp3File:
            Mp3Play();
            polling_ = true;
            break;
        case Source::kNone:
            break;
    }
}

unsigned MusicPlayback::PollInterval() const {
    return source_ == Source::kAudioCd ? kCdPollMilliseconds : kMp3PollMilliseconds;
}

void MusicPlayback::Poll() noexcept {
    if (!polling_) return;
    if (source_ == Source::kAudioCd) {
        CdPoll();
        // Once the CD has failed to answer, it is polled no more this run.
        polling_ = CdReady != kSaverFalse;
    } else {
        Mp3Poll();
    }
}

void MusicPlayback::Stop() noexcept {
    if (!started_) return;
    started_ = false;
    const bool wasPolling = std::exchange(polling_, false);
    switch (source_) {
        case Source::kAudioCd:
            if (wasPolling) CdStop();
            break;
        case Source::kWavFile:
            WavStop();
            break;
        case Source::kMp3File:
            Mp3Stop();
            break;
        case Source::kNone:
            break;
    }
}

void MusicPlayback::CdOpen() {
    LastResult = static_cast<std::int32_t>(SendMciCommand("open cdaudio"));
    LastResult = static_cast<std::int32_t>(SendMciCommand("set cdaudio time format tmsf"));
}

// Any failure on the way, running out of memory included, ends CD polling.
void MusicPlayback::CdPoll() noexcept {
    CdReady = kSaverTrue;
    try {
        PollCd();
    } catch (...) {
        CdReady = kSaverFalse;
    }
}

void MusicPlayback::PollCd() {
    const std::string track = channel_.MciQuery("status cdaudio current track");
    if (ContainsErr(track)) {
        CdReady = kSaverFalse;
        return;
    }
    if (ContainsErr(channel_.MciQuery("status cdaudio number of tracks"))) {
        CdReady = kSaverFalse;
        return;
    }
    LastResult = static_cast<std::int32_t>(QueryMode("status cdaudio mode", cdModeBuffer_));
    const bool stopped = std::strncmp(cdModeBuffer_, "stopped", 7) == 0;

    if (repeat_ != 0) {
        // A track that is no number ends CD polling, even on a stopped drive.
        const std::optional<double> trackNumber = ReadWholeNumericLiteral(track);
        if (!trackNumber) {
            CdReady = kSaverFalse;
            return;
        }
        if (stopped || *trackNumber != repeat_) {
            const std::string start =
                channel_.MciQuery("status cdaudio position track " + std::to_string(repeat_));
            channel_.MciPlay("cdaudio", start, "");
        }
    } else if (stopped) {
        channel_.MciPlay("cdaudio", "", "");
    }
}

void MusicPlayback::CdStop() {
    LastResult = static_cast<std::int32_t>(SendMciCommand("stop cdaudio"));
    LastResult = static_cast<std::int32_t>(SendMciCommand("close cdaudio"));
}

void MusicPlayback::Mp3Play() {
    const std::string open = "open \"" + file_ + "\" type MPEGVideo Alias MP3Play";
    if (SendMciCommand(open.c_str()) == 0) SendMciCommand("play MP3Play");
}

bool MusicPlayback::Mp3IsPlaying() {
    QueryMode("status MP3Play mode", mp3ModeBuffer_);
    return std::strncmp(mp3ModeBuffer_, "playing", 7) == 0;
}

void MusicPlayback::Mp3Poll() {
    if (Mp3IsPlaying()) return;
    SendMciCommand("stop MP3Play");
    SendMciCommand("play MP3Play from 0");
}

void MusicPlayback::Mp3Stop() {
    SendMciCommand("stop MP3Play");
    SendMciCommand("close MP3Play");
}

void MusicPlayback::WavPlay() {
    if (CountWaveOutDevices() <= 0) return;
    LastResult = PlaySoundName(file_.c_str(), kSoundAsync | kSoundLoop);
}

void MusicPlayback::WavStop() {
    LastResult = PlaySoundName(nullptr, 0);
}
