// Plays through the real winmm into the sound device that the test's ALSA
// configuration gives Wine: a file that records what was played. The tone
// lasts 0.4 s.
#include "music_playback.h"

#include "last_result.h"
#include "settings.h"
#include "sound_sink_win32.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr auto kToneLength = 400ms;

// What MCI says the MP3 alias does; empty once it is closed.
std::string Mp3Mode() {
    char mode[64] = {};
    mciSendStringA("status MP3Play mode", mode, sizeof(mode), nullptr);
    return mode;
}

// Polls until done() holds, for at most timeout.
template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds timeout) {
    const auto giveUp = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

class WineSound : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* sink = std::getenv("TESSELUNE_SOUND_SINK");
        const char* tone = std::getenv("TESSELUNE_TEST_TONE");
        if (!sink || !tone) GTEST_SKIP() << "needs the ALSA file device that CTest sets up";
        sinkPath = WinePath(sink);
        tonePath = WinePath(tone);
        std::remove(sinkPath.c_str());
    }

    std::size_t SoundEnd() const { return SinkSoundEnd(sinkPath); }

    bool SoundArrivesAfter(std::size_t end) const {
        return WaitFor([&] { return SoundEnd() > end; }, 3s);
    }

    // Waits until no sound has arrived for a while; false when it goes on.
    bool Settles(std::size_t& end) const {
        end = SoundEnd();
        return WaitFor(
            [&] {
                std::this_thread::sleep_for(500ms);
                const std::size_t now = SoundEnd();
                const bool settled = now == end;
                end = now;
                return settled;
            },
            4s);
    }

    void ExpectSilenceAfterStop() const {
        std::size_t end = 0;
        ASSERT_TRUE(Settles(end)) << "sound goes on after the stop";
        std::this_thread::sleep_for(700ms);
        EXPECT_EQ(SoundEnd(), end);
    }

    std::string sinkPath;
    std::string tonePath;
};

TEST_F(WineSound, WavLoopsUntilTheStop) {
    MusicPlayback wav(kMusicFile, 0, tonePath + ".wav");
    LastResult = 0;
    wav.Start();
    EXPECT_EQ(LastResult, 1);
    ASSERT_TRUE(SoundArrivesAfter(0));

    // Sound that goes on arriving long after the tone's own length is the loop.
    for (int round = 0; round < 3; ++round) {
        const std::size_t end = SoundEnd();
        std::this_thread::sleep_for(kToneLength);
        EXPECT_TRUE(SoundArrivesAfter(end)) << "round " << round;
    }

    wav.Stop();
    EXPECT_EQ(LastResult, 1);
    ExpectSilenceAfterStop();
}

TEST_F(WineSound, Mp3StartsAgainAfterItsEnd) {
    MusicPlayback mp3(kMusicFile, 0, tonePath + ".mp3");
    mp3.Start();
    ASSERT_EQ(Mp3Mode(), "playing");
    ASSERT_TRUE(SoundArrivesAfter(0));

    for (int restart = 0; restart < 2; ++restart) {
        ASSERT_TRUE(WaitFor([] { return Mp3Mode() != "playing"; }, 5s));
        std::size_t end = 0;
        ASSERT_TRUE(Settles(end)) << "sound goes on after the end";
        mp3.Poll();
        EXPECT_EQ(Mp3Mode(), "playing");
        EXPECT_TRUE(SoundArrivesAfter(end)) << "restart " << restart;
    }

    mp3.Stop();
    EXPECT_NE(Mp3Mode(), "playing");
    ExpectSilenceAfterStop();
}

}  // namespace
