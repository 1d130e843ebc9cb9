// Plays through the real winmm into the sound device that the test's ALSA
// configuration gives Wine: a file that records what was played. The tone
// lasts 0.4 s.
#include "music_playback.h"

#include "last_result.h"
#include "saver_boolean.h"
#include "settings.h"
#include "sound_sink_win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr auto kToneLength = 400ms;

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

TEST_F(WineSound, WavLoopsUntilWavStop) {
    BgmFile = tonePath + ".wav";
    LastResult = 0;
    WavPlay();
    EXPECT_EQ(LastResult, 1);
    ASSERT_TRUE(SoundArrivesAfter(0));

    // Sound that goes on arriving long after the tone's own length is the loop.
    for (int round = 0; round < 3; ++round) {
        const std::size_t end = SoundEnd();
        std::this_thread::sleep_for(kToneLength);
        EXPECT_TRUE(SoundArrivesAfter(end)) << "round " << round;
    }

    WavStop();
    EXPECT_EQ(LastResult, 1);
    ExpectSilenceAfterStop();
}

TEST_F(WineSound, Mp3StartsAgainAfterItsEnd) {
    BgmFile = tonePath + ".mp3";
    Mp3Play();
    ASSERT_EQ(Mp3IsPlaying(), kSaverTrue);
    ASSERT_TRUE(SoundArrivesAfter(0));

    for (int restart = 0; restart < 2; ++restart) {
        ASSERT_TRUE(WaitFor([] { return Mp3IsPlaying() == kSaverFalse; }, 5s));
        std::size_t end = 0;
        ASSERT_TRUE(Settles(end)) << "sound goes on after the end";
        Mp3Poll();
        EXPECT_EQ(Mp3IsPlaying(), kSaverTrue);
        EXPECT_TRUE(SoundArrivesAfter(end)) << "restart " << restart;
    }

    Mp3Stop();
    EXPECT_EQ(Mp3IsPlaying(), kSaverFalse);
    ExpectSilenceAfterStop();
}

}  // namespace
