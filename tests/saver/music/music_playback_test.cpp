#include "music_playback.h"

#include "fake_multimedia.h"
#include "last_result.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Commands = std::vector<std::string>;

const Commands kStatusQueries = {"status cdaudio current track", "status cdaudio number of tracks",
                                 "status cdaudio mode"};

Commands Then(Commands first, const Commands& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class Music : public ::testing::Test {
  protected:
    void SetUp() override {
        fake = FakeMultimedia{};
        LastResult = 0;
    }

    // Makes and starts the music; the commands of the start alone are left.
    MusicPlayback& Start(std::int16_t kind, std::int16_t repeat, const std::string& file) {
        music.emplace(kind, repeat, file);
        music->Start();
        return *music;
    }

    // Polls once and returns the commands of that poll alone.
    Commands Poll() {
        fake.calls.clear();
        music->Poll();
        return fake.Commands();
    }

    Commands Stop() {
        fake.calls.clear();
        music->Stop();
        return fake.Commands();
    }

    std::optional<MusicPlayback> music;
};

class AudioCd : public Music {
  protected:
    void StartCd(std::int16_t repeat) {
        Start(kAudioCd, repeat, "C:\\ignored.mp3");
        fake.calls.clear();
    }
};

TEST_F(Music, TheCdOpensWithTmsfWithoutPlayingAndAsksForPollsEvery200Ms) {
    const MusicPlayback& cd = Start(kAudioCd, 0, "");
    EXPECT_EQ(fake.Commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));
    for (const MciCall& call : fake.calls) EXPECT_FALSE(call.hasReplyBuffer);
    EXPECT_EQ(fake.cd.mode, "stopped");
    EXPECT_TRUE(cd.Polling());
    EXPECT_EQ(cd.PollInterval(), 200u);
}

TEST_F(Music, CdOpenAndStopKeepTheLastCode) {
    fake.failingCommand = "set cdaudio time format tmsf";
    Start(kAudioCd, 0, "");
    EXPECT_EQ(LastResult, static_cast<int>(kMciDeviceNotReady));
    // Stopped before its first poll: the drive is still taken to answer.
    EXPECT_EQ(Stop(), (Commands{"stop cdaudio", "close cdaudio"}));
    EXPECT_EQ(LastResult, 0);
    EXPECT_FALSE(fake.cd.open);
    EXPECT_EQ(Stop(), Commands{});
}

TEST_F(AudioCd, NoDiscEndsPollingWithoutPlayAndTheStopLeavesTheDriveAlone) {
    StartCd(3);
    fake.cd.discPresent = false;
    EXPECT_EQ(Poll(), (Commands{"status cdaudio current track"}));
    EXPECT_FALSE(music->Polling());
    EXPECT_EQ(LastResult, static_cast<int>(kMciDeviceNotReady));

    // Even once the disc is back, this run polls no more.
    fake.cd.discPresent = true;
    EXPECT_EQ(Poll(), Commands{});
    EXPECT_EQ(Stop(), Commands{});
}

TEST_F(AudioCd, FailingTrackCountEndsPolling) {
    StartCd(0);
    fake.failingCommand = "status cdaudio number of tracks";
    EXPECT_EQ(Poll(),
              (Commands{"status cdaudio current track", "status cdaudio number of tracks"}));
    EXPECT_FALSE(music->Polling());
}

TEST_F(AudioCd, ReplyWithErrInAnyCaseCountsAsFailure) {
    StartCd(0);
    fake.cd.currentTrackReply = "terrible";
    EXPECT_EQ(Poll(), (Commands{"status cdaudio current track"}));
    EXPECT_FALSE(music->Polling());
}

TEST_F(AudioCd, ErrMatchesOnlyWholeCharacters) {
    StartCd(0);
    // "\x83" "e" is one character; only the bytes after it spell "RR".
    fake.cd.currentTrackReply =
        "\x83"
        "eRR";
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    // "\x83\x45" is one character, katakana U; its second byte is an ASCII E.
    fake.cd.currentTrackReply = "\x83\x45RR";
    fake.cd.RunOut();
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_TRUE(music->Polling());
}

TEST_F(AudioCd, RunningOutOfMemoryEndsPolling) {
    StartCd(0);
    fake.exhaustingCommand = "status cdaudio mode";
    Poll();
    EXPECT_FALSE(music->Polling());
}

TEST_F(AudioCd, StatusQueriesUseTheirBuffers) {
    StartCd(0);
    Poll();
    ASSERT_GE(fake.calls.size(), 3u);
    EXPECT_EQ(fake.calls[0].replyLength, 512u);
    EXPECT_EQ(fake.calls[1].replyLength, 512u);
    EXPECT_EQ(fake.calls[2].replyLength, 255u);
}

TEST_F(AudioCd, TenTrackDiscRepeatsTrackThree) {
    StartCd(3);
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
    EXPECT_TRUE(music->Polling());
    EXPECT_EQ(fake.cd.currentTrack, 3);

    EXPECT_EQ(Poll(), kStatusQueries);

    fake.cd.PlayInto(4);
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(fake.cd.currentTrack, 3);
    EXPECT_EQ(fake.cd.mode, "playing");
    EXPECT_TRUE(music->Polling());

    EXPECT_EQ(Stop(), (Commands{"stop cdaudio", "close cdaudio"}));
    EXPECT_EQ(Poll(), Commands{});
}

TEST_F(AudioCd, RepeatedTrackStartsAgainWhenTheDiscStopsOnIt) {
    StartCd(10);
    Poll();
    fake.cd.RunOut();
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 10", "play cdaudio from 10:00:00:00"}));
    EXPECT_EQ(fake.cd.mode, "playing");
}

TEST_F(AudioCd, RepeatOfAMissingTrackSendsTheErrorAsPosition) {
    StartCd(12);
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 12", "play cdaudio from Error:282"}));
    EXPECT_TRUE(music->Polling());
    EXPECT_EQ(LastResult, static_cast<int>(kMciOutOfRange));
}

TEST_F(AudioCd, TrackThatIsNoNumberEndsPollingWhenRepeating) {
    StartCd(3);
    fake.cd.currentTrackReply = "three";
    EXPECT_EQ(Poll(), kStatusQueries);
    EXPECT_FALSE(music->Polling());
    EXPECT_EQ(fake.cd.mode, "stopped");
}

TEST_F(AudioCd, TrackReplyIsComparedAsANumber) {
    StartCd(3);
    fake.cd.PlayInto(3);
    fake.cd.currentTrackReply = " 3 ";
    EXPECT_EQ(Poll(), kStatusQueries);
    fake.cd.currentTrackReply = "3.5";
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
    EXPECT_TRUE(music->Polling());
}

TEST_F(AudioCd, WithoutRepeatTheDiscPlaysOnAndStartsAgainWhenStopped) {
    StartCd(0);
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_EQ(fake.cd.mode, "playing");

    fake.cd.PlayInto(7);
    EXPECT_EQ(Poll(), kStatusQueries);

    fake.cd.RunOut();
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_TRUE(music->Polling());
}

TEST_F(AudioCd, WithoutRepeatTheTrackIsNotReadAsANumber) {
    StartCd(0);
    fake.cd.currentTrackReply = "three";
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_TRUE(music->Polling());
}

TEST_F(AudioCd, FailingModeQueryPlaysNothing) {
    StartCd(0);
    fake.failingCommand = "status cdaudio mode";
    EXPECT_EQ(Poll(), kStatusQueries);
    EXPECT_EQ(LastResult, static_cast<int>(kMciDeviceNotReady));
    EXPECT_TRUE(music->Polling());
}

class Mp3File : public Music {
  protected:
    void SetUp() override {
        Music::SetUp();
        fake.mp3.files.insert(kSong);
    }

    const std::string kSong = "C:\\My Music\\song.Mp3";
};

TEST_F(Mp3File, AnyCaseOfTheEndingOpensTheQuotedPathUnderItsAliasAndPlaysIt) {
    LastResult = 77;
    const MusicPlayback& mp3 = Start(kMusicFile, 0, kSong);
    EXPECT_EQ(
        fake.Commands(),
        (Commands{"open \"C:\\My Music\\song.Mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"}));
    for (const MciCall& call : fake.calls) EXPECT_FALSE(call.hasReplyBuffer);
    EXPECT_EQ(fake.mp3.mode, "playing");
    EXPECT_EQ(LastResult, 77);
    EXPECT_TRUE(mp3.Polling());
    EXPECT_EQ(mp3.PollInterval(), 1000u);
}

TEST_F(Mp3File, PollLeavesAPlayingFileAloneAndStartsAnEndedOneAgainFromZero) {
    Start(kMusicFile, 0, kSong);
    ASSERT_EQ(Poll(), (Commands{"status MP3Play mode"}));
    EXPECT_EQ(fake.calls[0].replyLength, 30u);
    for (int end = 1; end <= 2; ++end) {
        fake.mp3.ReachEnd();
        EXPECT_EQ(Poll(), (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
        EXPECT_EQ(fake.mp3.startsFromZero, end);
        EXPECT_EQ(fake.mp3.mode, "playing");
    }
}

TEST_F(Mp3File, AFileThatDoesNotOpenPlaysNothingAndPollsWithoutEffect) {
    Start(kMusicFile, 0, "C:\\missing.mp3");
    EXPECT_EQ(fake.Commands(), (Commands{"open \"C:\\missing.mp3\" type MPEGVideo Alias MP3Play"}));
    EXPECT_EQ(Poll(), (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_FALSE(fake.mp3.open);
    EXPECT_TRUE(music->Polling());
}

TEST_F(Mp3File, StopClosesTheAliasOnceAndNoPollOpensItAgain) {
    Start(kMusicFile, 0, kSong);
    EXPECT_EQ(Stop(), (Commands{"stop MP3Play", "close MP3Play"}));
    EXPECT_FALSE(fake.mp3.open);
    EXPECT_FALSE(music->Polling());
    EXPECT_EQ(Poll(), Commands{});
    EXPECT_EQ(Stop(), Commands{});
}

TEST_F(Music, AWavFileLoopsAsynchronouslyUntilTheStop) {
    const MusicPlayback& wav = Start(kMusicFile, 0, "C:\\Sounds\\loop.WAV");
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].name, std::optional<std::string>("C:\\Sounds\\loop.WAV"));
    EXPECT_EQ(fake.sounds[0].flags, 9u);
    EXPECT_EQ(LastResult, 1);
    EXPECT_FALSE(wav.Polling());

    LastResult = 55;
    music->Stop();
    ASSERT_EQ(fake.sounds.size(), 2u);
    EXPECT_FALSE(fake.sounds[1].name.has_value());
    EXPECT_EQ(fake.sounds[1].flags, 0u);
    EXPECT_EQ(LastResult, 1);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(Music, AWavFileNeedsAnOutputDevice) {
    for (const std::int32_t devices : {0, -1}) {
        fake.waveOutDevices = devices;
        fake.sounds.clear();
        LastResult = 55;
        MusicPlayback wav(kMusicFile, 0, "C:\\Sounds\\loop.wav");
        wav.Start();
        EXPECT_TRUE(fake.sounds.empty());
        EXPECT_EQ(LastResult, 55);
    }
}

TEST_F(Music, NoMusicAFileOfAnotherKindAndAnUnknownKindPlayNothing) {
    const Commands none;
    for (const auto& [kind, file] : {std::pair<std::int16_t, std::string>{kNoMusic, "C:\\a.mp3"},
                                     {kMusicFile, "C:\\a.mid"},
                                     {7, "C:\\a.wav"}}) {
        SCOPED_TRACE(file);
        EXPECT_FALSE(Start(kind, 3, file).Polling());
        EXPECT_EQ(Poll(), none);
        EXPECT_EQ(Stop(), none);
        EXPECT_TRUE(fake.sounds.empty());
    }
}

TEST_F(Music, NothingIsStoppedThatWasNotStarted) {
    music.emplace(kMusicFile, 0, "C:\\Sounds\\loop.wav");
    music.reset();
    EXPECT_TRUE(fake.sounds.empty());
}

}  // namespace
