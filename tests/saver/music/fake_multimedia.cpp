#include "fake_multimedia.h"

#include "multimedia.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

FakeMultimedia fake;

void FakeCdDrive::PlayInto(int track) {
    currentTrack = track;
    mode = "playing";
}

void FakeCdDrive::RunOut() {
    mode = "stopped";
}

void FakeMp3Device::ReachEnd() {
    mode = "stopped";
}

std::vector<std::string> FakeMultimedia::Commands() const {
    std::vector<std::string> commands;
    for (const MciCall& call : calls) commands.push_back(call.command);
    return commands;
}

std::string FakeErrorText(std::uint32_t code) {
    return "fake MCI error " + std::to_string(code);
}

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A TMSF position "tt:mm:ss:ff" names its track first.
std::optional<int> TrackOfPosition(const std::string& position) {
    int track = 0, minutes = 0, seconds = 0, frames = 0;
    char rest = 0;
    if (std::sscanf(position.c_str(), "%d:%d:%d:%d%c", &track, &minutes, &seconds, &frames,
                    &rest) != 4) {
        return std::nullopt;
    }
    return track;
}

std::uint32_t AnswerCd(const std::string& command, std::string& reply) {
    FakeCdDrive& cd = fake.cd;
    if (command == "open cdaudio") {
        cd.open = true;
        return 0;
    }
    if (!cd.open) return kMciInvalidDeviceName;
    if (command == "set cdaudio time format tmsf") return 0;
    if (command == "close cdaudio") {
        cd.open = false;
        return 0;
    }
    if (command == "stop cdaudio") {
        cd.mode = "stopped";
        return 0;
    }
    if (!cd.discPresent) return kMciDeviceNotReady;
    if (command == "status cdaudio current track") {
        reply = cd.currentTrackReply.value_or(std::to_string(cd.currentTrack));
        return 0;
    }
    if (command == "status cdaudio number of tracks") {
        reply = std::to_string(cd.trackCount);
        return 0;
    }
    if (command == "status cdaudio mode") {
        reply = cd.mode;
        return 0;
    }
    const std::string positionQuery = "status cdaudio position track ";
    if (StartsWith(command, positionQuery)) {
        const int track = std::atoi(command.c_str() + positionQuery.size());
        if (track < 1 || track > cd.trackCount) return kMciOutOfRange;
        char position[16];
        std::snprintf(position, sizeof(position), "%02d:00:00:00", track);
        reply = position;
        return 0;
    }
    if (command == "play cdaudio") {
        cd.mode = "playing";
        return 0;
    }
    const std::string playFrom = "play cdaudio from ";
    if (StartsWith(command, playFrom)) {
        const std::optional<int> track = TrackOfPosition(command.substr(playFrom.size()));
        if (!track || *track < 1 || *track > cd.trackCount) return kMciOutOfRange;
        cd.PlayInto(*track);
        return 0;
    }
    return kMciUnrecognizedCommand;
}

std::uint32_t AnswerMp3(const std::string& command, std::string& reply) {
    FakeMp3Device& mp3 = fake.mp3;
    const std::string openSuffix = "\" type MPEGVideo Alias MP3Play";
    if (StartsWith(command, "open \"") && command.size() > 6 + openSuffix.size() &&
        command.compare(command.size() - openSuffix.size(), openSuffix.size(), openSuffix) == 0) {
        if (mp3.open) return kMciDuplicateAlias;
        const std::string file = command.substr(6, command.size() - 6 - openSuffix.size());
        if (mp3.files.count(file) == 0) return kMciFileNotFound;
        mp3.open = true;
        mp3.file = file;
        mp3.mode = "stopped";
        return 0;
    }
    if (!mp3.open) return kMciInvalidDeviceName;
    if (command == "play MP3Play") {
        mp3.mode = "playing";
        return 0;
    }
    if (command == "play MP3Play from 0") {
        mp3.mode = "playing";
        ++mp3.startsFromZero;
        return 0;
    }
    if (command == "stop MP3Play") {
        mp3.mode = "stopped";
        return 0;
    }
    if (command == "close MP3Play") {
        mp3.open = false;
        return 0;
    }
    if (command == "status MP3Play mode") {
        reply = mp3.mode;
        return 0;
    }
    return kMciUnrecognizedCommand;
}

}  // namespace

std::uint32_t SendMciString(const char* command, char* reply, std::uint32_t replyLength) {
    const std::string text = command;
    fake.calls.push_back({text, reply != nullptr, replyLength});
    if (fake.failingCommand && text == *fake.failingCommand) return kMciDeviceNotReady;
    if (fake.exhaustingCommand && text == *fake.exhaustingCommand) throw std::bad_alloc();

    std::string answer;
    const std::uint32_t code = text.find("cdaudio") != std::string::npos ? AnswerCd(text, answer)
                                                                         : AnswerMp3(text, answer);
    if (reply == nullptr || replyLength == 0) return code;
    if (fake.repliesFillBuffer) {
        std::memset(reply, 'x', replyLength);
    } else if (code == 0 && !answer.empty()) {
        // Like a failure, a command with nothing to say leaves the buffer alone.
        const std::size_t length = std::min<std::size_t>(answer.size(), replyLength - 1);
        std::memcpy(reply, answer.data(), length);
        reply[length] = '\0';
    }
    return code;
}

std::int32_t GetMciErrorString(std::uint32_t code, char* text, std::uint32_t length) {
    if (!fake.errorTextAvailable) return 0;
    std::snprintf(text, length, "%s", FakeErrorText(code).c_str());
    return 1;
}

std::int32_t PlaySoundName(const char* name, std::uint32_t flags) {
    fake.sounds.push_back({name ? std::optional<std::string>(name) : std::nullopt, flags});
    return 1;
}

std::int32_t CountWaveOutDevices() {
    return fake.waveOutDevices;
}
