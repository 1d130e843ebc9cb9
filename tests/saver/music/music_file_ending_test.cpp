#include "music_file_ending.h"

#include <gtest/gtest.h>

TEST(MusicFileEnding, IsTheLastThreeCharactersUpperCased) {
    EXPECT_EQ(MusicFileEnding("C:\\Music\\song.wav"), kWavEnding);
    EXPECT_EQ(MusicFileEnding("C:\\Music\\song.Mp3"), kMp3Ending);
    EXPECT_EQ(MusicFileEnding("C:\\Music\\song.MID"), "MID");
    EXPECT_EQ(MusicFileEnding("C:\\Music\\song.mid"), "MID");
}

TEST(MusicFileEnding, LooksAtNothingButTheEnd) {
    EXPECT_EQ(MusicFileEnding("C:\\Music\\mp3\\songwav"), kWavEnding);
    EXPECT_EQ(MusicFileEnding("C:\\wav\\song.mp3.txt"), "TXT");
    EXPECT_EQ(MusicFileEnding("C:\\Music\\song.wave"), "AVE");
}

TEST(MusicFileEnding, IsTheWholeOfAShortName) {
    EXPECT_EQ(MusicFileEnding(""), "");
    EXPECT_EQ(MusicFileEnding("p3"), "P3");
    EXPECT_EQ(MusicFileEnding("mp3"), kMp3Ending);
}

TEST(MusicFileEnding, CountsTwoByteCharactersAsOne) {
    // A name ending in the full-width letters "\x82\x6C\x82\x6F\x82\x52" (MP3)
    // is not an MP3, and their trail bytes are not upper-cased.
    EXPECT_EQ(MusicFileEnding("a.\x82\x6C\x82\x6F\x82\x52"), "\x82\x6C\x82\x6F\x82\x52");
    EXPECT_EQ(MusicFileEnding("\x89\xB9.wav"), kWavEnding);
    EXPECT_EQ(MusicFileEnding("x\x89\xB9wa"), "\x89\xB9WA");
}
