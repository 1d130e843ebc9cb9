#include "music_playback.h"

#include "ansi_text.h"
#include "last_result.h"
#include "mci_channel.h"
#include "multimedia.h"
#include "numeric_literal.h"
#include "saver_boolean.h"
#include "settings.h"

#include <cstring>
#include <optional>
#include <string>

std::int16_t CdReady = kSaverFalse;

namespace {

char cdModeBuffer[255];
char mp3ModeBuffer[30];

std::uint32_t SendMciCommand(const char* command) {
    return SendMciString(command, nullptr, 0);
}

// Sends a status query whose reply only matters through its first letters.
// NOTE: the first character is cleared, since a failing query writes nothing
// and an earlier "playing" would otherwise be read again.
std::uint32_t QueryMode(const char* command, char* buffer, std::uint32_t length) {
    buffer[0] = '\0';
    return SendMciString(command, buffer, length);
}

bool ContainsErr(const std::string& reply) {
    return AnsiContains(AnsiUpperCase(reply), "ERR");
}

void PollCd() {
    const std::string track = MciQuery("status cdaudio current track");
    if (ContainsErr(track)) {
        CdReady = kSaverFalse;
        return;
    }
    if (ContainsErr(MciQuery("status cdaudio number of tracks"))) {
        CdReady = kSaverFalse;
        return;
    }
    LastResult = static_cast<std::int32_t>(
        QueryMode("status cdaudio mode", cdModeBuffer, sizeof(cdModeBuffer)));
    const bool stopped = std::strncmp(cdModeBuffer, "stopped", 7) == 0;

    if (BgmRepeat != 0) {
        // A track that is no number ends CD polling, even on a stopped drive.
        const std::optional<double> trackNumber = ReadWholeNumericLiteral(track);
        if (!trackNumber) {
            CdReady = kSaverFalse;
            return;
        }
        if (stopped || *trackNumber != BgmRepeat) {
            const std::string start =
                MciQuery("status cdaudio position track " + std::to_string(BgmRepeat));
            MciPlay("cdaudio", start, "");
        }
    } else if (stopped) {
        MciPlay("cdaudio", "", "");
    }
}

}  // namespace

void CdOpen() {
    LastResult = static_cast<std::int32_t>(SendMciCommand("open cdaudio"));
    LastResult = static_cast<std::int32_t>(SendMciCommand("set cdaudio time format tmsf"));
}

// Any failure on the way, running out of memory included, ends CD polling.
void CdPoll() {
    CdReady = kSaverTrue;
    try {
        PollCd();
    } catch (...) {
        CdReady = kSaverFalse;
    }
}

void CdStop() {
    LastResult = static_cast<std::int32_t>(SendMciCommand("stop cdaudio"));
    LastResult = static_cast<std::int32_t>(SendMciCommand("close cdaudio"));
}

void Mp3Play() {
    const std::string open = "open \"" + BgmFile + "\" type MPEGVideo Alias MP3Play";
    if (SendMciCommand(open.c_str()) == 0) SendMciCommand("play MP3Play");
}

std::int16_t Mp3IsPlaying() {
    QueryMode("status MP3Play mode", mp3ModeBuffer, sizeof(mp3ModeBuffer));
    return std::strncmp(mp3ModeBuffer, "playing", 7) == 0 ? kSaverTrue : kSaverFalse;
}

void Mp3Poll() {
    if (Mp3IsPlaying() == kSaverTrue) return;
    SendMciCommand("stop MP3Play");
    SendMciCommand("play MP3Play from 0");
}

void Mp3Stop() {
    SendMciCommand("stop MP3Play");
    SendMciCommand("close MP3Play");
}

void WavPlay() {
    if (CountWaveOutDevices() <= 0) return;
    LastResult = PlaySoundName(BgmFile.c_str(), kSoundAsync | kSoundLoop);
}

void WavStop() {
    LastResult = PlaySoundName(nullptr, 0);
}
