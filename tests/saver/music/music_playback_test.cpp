#include "music_playback.h"

#include "fake_multimedia.h"
#include "last_result.h"
#include "saver_boolean.h"
#include "settings.h"

#include <gtest/gtest.h>

namespace {

using Commands = std::vector<std::string>;

const Commands kStatusQueries = {"status cdaudio current track", "status cdaudio number of tracks",
                                 "status cdaudio mode"};

Commands Then(Commands first, const Commands& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class MusicPlayback : public ::testing::Test {
  protected:
    void SetUp() override {
        fake = FakeMultimedia{};
        LastResult = 0;
        CdReady = kSaverFalse;
        BgmRepeat = 0;
        BgmFile.clear();
    }

    // Polls once and returns the commands of that poll alone.
    Commands Poll() {
        fake.calls.clear();
        CdPoll();
        return fake.Commands();
    }
};

class AudioCd : public MusicPlayback {
  protected:
    void SetUp() override {
        MusicPlayback::SetUp();
        CdOpen();
    }
};

TEST_F(MusicPlayback, CdOpenSetsTmsfWithoutPlaying) {
    CdOpen();
    EXPECT_EQ(fake.Commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));
    for (const MciCall& call : fake.calls) EXPECT_FALSE(call.hasReplyBuffer);
    EXPECT_EQ(fake.cd.mode, "stopped");
}

TEST_F(MusicPlayback, CdOpenAndStopKeepTheLastCode) {
    fake.failingCommand = "set cdaudio time format tmsf";
    CdOpen();
    EXPECT_EQ(LastResult, static_cast<int>(kMciDeviceNotReady));
    CdStop();
    EXPECT_EQ(LastResult, 0);
    EXPECT_EQ(fake.Commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf",
                                         "stop cdaudio", "close cdaudio"}));
    EXPECT_FALSE(fake.cd.open);
}

TEST_F(AudioCd, NoDiscEndsPollingWithoutPlay) {
    fake.cd.discPresent = false;
    BgmRepeat = 3;
    EXPECT_EQ(Poll(), (Commands{"status cdaudio current track"}));
    EXPECT_EQ(CdReady, kSaverFalse);
    EXPECT_EQ(LastResult, static_cast<int>(kMciDeviceNotReady));
}

TEST_F(AudioCd, FailingTrackCountEndsPolling) {
    fake.failingCommand = "status cdaudio number of tracks";
    EXPECT_EQ(Poll(),
              (Commands{"status cdaudio current track", "status cdaudio number of tracks"}));
    EXPECT_EQ(CdReady, kSaverFalse);
}

TEST_F(AudioCd, ReplyWithErrInAnyCaseCountsAsFailure) {
    fake.cd.currentTrackReply = "terrible";
    EXPECT_EQ(Poll(), (Commands{"status cdaudio current track"}));
    EXPECT_EQ(CdReady, kSaverFalse);
}

TEST_F(AudioCd, SecondByteOfAJapaneseCharacterIsNoLetter) {
    // "\x83" "e" is one character; only the bytes after it spell "RR".
    fake.cd.currentTrackReply =
        "\x83"
        "eRR";
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, ErrMatchesOnlyWholeCharacters) {
    // "\x83\x45" is one character, katakana U; its second byte is an ASCII E.
    fake.cd.currentTrackReply = "\x83\x45RR";
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, RunningOutOfMemoryEndsPolling) {
    fake.exhaustingCommand = "status cdaudio mode";
    Poll();
    EXPECT_EQ(CdReady, kSaverFalse);
}

TEST_F(AudioCd, EveryPollStartsReady) {
    fake.cd.discPresent = false;
    Poll();
    ASSERT_EQ(CdReady, kSaverFalse);
    fake.cd.discPresent = true;
    Poll();
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, StatusQueriesUseTheirBuffers) {
    Poll();
    ASSERT_GE(fake.calls.size(), 3u);
    EXPECT_EQ(fake.calls[0].replyLength, 512u);
    EXPECT_EQ(fake.calls[1].replyLength, 512u);
    EXPECT_EQ(fake.calls[2].replyLength, 255u);
}

TEST_F(AudioCd, TenTrackDiscRepeatsTrackThree) {
    BgmRepeat = 3;
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(CdReady, kSaverTrue);
    EXPECT_EQ(fake.cd.currentTrack, 3);

    EXPECT_EQ(Poll(), kStatusQueries);

    fake.cd.PlayInto(4);
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(fake.cd.currentTrack, 3);
    EXPECT_EQ(fake.cd.mode, "playing");
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, RepeatedTrackStartsAgainWhenTheDiscStopsOnIt) {
    BgmRepeat = 10;
    Poll();
    fake.cd.RunOut();
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 10", "play cdaudio from 10:00:00:00"}));
    EXPECT_EQ(fake.cd.mode, "playing");
}

TEST_F(AudioCd, RepeatOfAMissingTrackSendsTheErrorAsPosition) {
    BgmRepeat = 12;
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 12", "play cdaudio from Error:282"}));
    EXPECT_EQ(CdReady, kSaverTrue);
    EXPECT_EQ(LastResult, static_cast<int>(kMciOutOfRange));
}

TEST_F(AudioCd, TrackThatIsNoNumberEndsPollingWhenRepeating) {
    BgmRepeat = 3;
    fake.cd.currentTrackReply = "three";
    EXPECT_EQ(Poll(), kStatusQueries);
    EXPECT_EQ(CdReady, kSaverFalse);
    EXPECT_EQ(fake.cd.mode, "stopped");

    fake.cd.currentTrackReply = "";
    EXPECT_EQ(Poll(), kStatusQueries);
    EXPECT_EQ(CdReady, kSaverFalse);
}

TEST_F(AudioCd, TrackReplyIsComparedAsANumber) {
    BgmRepeat = 3;
    fake.cd.PlayInto(3);
    fake.cd.currentTrackReply = " 3 ";
    EXPECT_EQ(Poll(), kStatusQueries);
    fake.cd.currentTrackReply = "3.5";
    EXPECT_EQ(Poll(), Then(kStatusQueries,
                           {"status cdaudio position track 3", "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, WithoutRepeatTheDiscPlaysOnAndStartsAgainWhenStopped) {
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_EQ(fake.cd.mode, "playing");

    fake.cd.PlayInto(7);
    EXPECT_EQ(Poll(), kStatusQueries);

    fake.cd.RunOut();
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, WithoutRepeatTheTrackIsNotReadAsANumber) {
    fake.cd.currentTrackReply = "three";
    EXPECT_EQ(Poll(), Then(kStatusQueries, {"play cdaudio"}));
    EXPECT_EQ(CdReady, kSaverTrue);
}

TEST_F(AudioCd, FailingModeQueryPlaysNothing) {
    fake.failingCommand = "status cdaudio mode";
    EXPECT_EQ(Poll(), kStatusQueries);
    EXPECT_EQ(LastResult, static_cast<int>(kMciDeviceNotReady));
    EXPECT_EQ(CdReady, kSaverTrue);
}

class Mp3File : public MusicPlayback {
  protected:
    void SetUp() override {
        MusicPlayback::SetUp();
        BgmFile = "C:\\My Music\\song.mp3";
        fake.mp3.files.insert(BgmFile);
    }
};

TEST_F(Mp3File, PlayOpensTheQuotedPathUnderItsAlias) {
    LastResult = 77;
    Mp3Play();
    EXPECT_EQ(
        fake.Commands(),
        (Commands{"open \"C:\\My Music\\song.mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"}));
    for (const MciCall& call : fake.calls) EXPECT_FALSE(call.hasReplyBuffer);
    EXPECT_EQ(fake.mp3.mode, "playing");
    EXPECT_EQ(Mp3IsPlaying(), kSaverTrue);
    EXPECT_EQ(LastResult, 77);
}

TEST_F(Mp3File, FailedOpenSendsNoPlay) {
    BgmFile = "C:\\missing.mp3";
    Mp3Play();
    EXPECT_EQ(fake.Commands(), (Commands{"open \"C:\\missing.mp3\" type MPEGVideo Alias MP3Play"}));
    EXPECT_EQ(Mp3IsPlaying(), kSaverFalse);
}

TEST_F(Mp3File, PollLeavesAPlayingFileAlone) {
    Mp3Play();
    fake.calls.clear();
    Mp3Poll();
    ASSERT_EQ(fake.Commands(), (Commands{"status MP3Play mode"}));
    EXPECT_EQ(fake.calls[0].replyLength, 30u);
}

TEST_F(Mp3File, EndedFileStartsAgainFromZero) {
    Mp3Play();
    for (int end = 1; end <= 2; ++end) {
        fake.mp3.ReachEnd();
        fake.calls.clear();
        Mp3Poll();
        EXPECT_EQ(fake.Commands(),
                  (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
        EXPECT_EQ(fake.mp3.startsFromZero, end);
        EXPECT_EQ(Mp3IsPlaying(), kSaverTrue);
    }
}

TEST_F(Mp3File, PollAfterFailedOpenKeepsTryingWithoutEffect) {
    BgmFile = "C:\\missing.mp3";
    Mp3Play();
    fake.calls.clear();
    Mp3Poll();
    Mp3Poll();
    EXPECT_EQ(fake.Commands(),
              (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0",
                        "status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_FALSE(fake.mp3.open);
}

TEST_F(Mp3File, StopClosesTheAliasAndNothingPlaysAfterIt) {
    Mp3Play();
    EXPECT_EQ(Mp3IsPlaying(), kSaverTrue);
    fake.calls.clear();
    Mp3Stop();
    EXPECT_EQ(fake.Commands(), (Commands{"stop MP3Play", "close MP3Play"}));
    EXPECT_FALSE(fake.mp3.open);
    EXPECT_EQ(Mp3IsPlaying(), kSaverFalse);
}

TEST_F(Mp3File, FileCanBeOpenedAgainAfterStop) {
    Mp3Play();
    Mp3Stop();
    fake.calls.clear();
    Mp3Play();
    EXPECT_EQ(fake.mp3.mode, "playing");
    EXPECT_EQ(fake.calls.size(), 2u);
}

TEST_F(MusicPlayback, WavLoopsAsynchronously) {
    BgmFile = "C:\\Sounds\\loop.wav";
    WavPlay();
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].name, std::optional<std::string>("C:\\Sounds\\loop.wav"));
    EXPECT_EQ(fake.sounds[0].flags, 9u);
    EXPECT_EQ(LastResult, 1);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(MusicPlayback, WavNeedsAnOutputDevice) {
    BgmFile = "C:\\Sounds\\loop.wav";
    LastResult = 55;
    fake.waveOutDevices = 0;
    WavPlay();
    fake.waveOutDevices = -1;
    WavPlay();
    EXPECT_TRUE(fake.sounds.empty());
    EXPECT_EQ(LastResult, 55);
}

TEST_F(MusicPlayback, WavStopStopsWhateverPlaySoundPlays) {
    LastResult = 55;
    WavStop();
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_FALSE(fake.sounds[0].name.has_value());
    EXPECT_EQ(fake.sounds[0].flags, 0u);
    EXPECT_EQ(LastResult, 1);
}

}  // namespace
