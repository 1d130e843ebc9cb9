// A stand-in for the platform's multimedia functions: an audio-CD drive and an
// MP3 device that answer MCI command strings, PlaySound and a wave-out count.
// It records every call so that tests can check command sequences.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

// MCI's own codes for the failures the fake devices report.
constexpr std::uint32_t kMciUnrecognizedCommand = 261;
constexpr std::uint32_t kMciInvalidDeviceName = 263;
constexpr std::uint32_t kMciFileNotFound = 275;
constexpr std::uint32_t kMciDeviceNotReady = 276;
constexpr std::uint32_t kMciOutOfRange = 282;
constexpr std::uint32_t kMciDuplicateAlias = 289;

struct FakeCdDrive {
    bool open = false;
    bool discPresent = true;
    int trackCount = 10;
    int currentTrack = 1;
    std::string mode = "stopped";
    std::optional<std::string> currentTrackReply;  // replaces the track number

    // The disc plays into the next track, or runs out.
    void PlayInto(int track);
    void RunOut();
};

struct FakeMp3Device {
    std::set<std::string> files;  // paths that open
    bool open = false;
    std::string file;
    std::string mode;
    int startsFromZero = 0;

    void ReachEnd();
};

struct MciCall {
    std::string command;
    bool hasReplyBuffer;
    std::uint32_t replyLength;
};

struct SoundCall {
    std::optional<std::string> name;
    std::uint32_t flags;
};

struct FakeMultimedia {
    FakeCdDrive cd;
    FakeMp3Device mp3;
    std::vector<MciCall> calls;
    std::vector<SoundCall> sounds;
    std::int32_t waveOutDevices = 1;
    bool errorTextAvailable = true;
    std::optional<std::string> failingCommand;     // answers kMciDeviceNotReady
    std::optional<std::string> exhaustingCommand;  // runs out of memory
    bool repliesFillBuffer = false;                // no terminating NUL

    std::vector<std::string> Commands() const;
};

// Every test starts from a fresh one.
extern FakeMultimedia fake;

// The error text the fake gives for a code.
std::string FakeErrorText(std::uint32_t code);
