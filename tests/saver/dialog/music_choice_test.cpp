// The music choice's look and what confirming the dialog writes.
#include "music_choice.h"

#include "settings_file.h"

#include <gtest/gtest.h>

namespace {

TEST(MusicChoiceLook, EachSourceEnablesOnlyItsOwnControl) {
    const MusicChoiceLook none = LookOfMusicChoice(0);
    EXPECT_EQ(none.chosen, 0);
    EXPECT_FALSE(none.trackBoxEnabled);
    EXPECT_FALSE(none.fileButtonEnabled);

    const MusicChoiceLook cd = LookOfMusicChoice(1);
    EXPECT_EQ(cd.chosen, 1);
    EXPECT_TRUE(cd.trackBoxEnabled);
    EXPECT_FALSE(cd.fileButtonEnabled);

    const MusicChoiceLook file = LookOfMusicChoice(2);
    EXPECT_EQ(file.chosen, 2);
    EXPECT_FALSE(file.trackBoxEnabled);
    EXPECT_TRUE(file.fileButtonEnabled);
}

TEST(MusicChoiceLook, AKindOutsideTheSourcesShowsNoneChosenAndEnablesNothing) {
    for (const std::int16_t kind : {std::int16_t(-1), std::int16_t(3), std::int16_t(32767)}) {
        const MusicChoiceLook look = LookOfMusicChoice(kind);
        EXPECT_FALSE(look.chosen.has_value()) << kind;
        EXPECT_FALSE(look.trackBoxEnabled) << kind;
        EXPECT_FALSE(look.fileButtonEnabled) << kind;
    }
}

TEST(ConfirmedSettings, WritesKindTrackAndFileInThatOrder) {
    const auto entries = ConfirmedSettings(1, "3.5", "C:\\m\\a.mp3");
    EXPECT_STREQ(entries[0].key, kBgmKindKey);
    EXPECT_EQ(entries[0].value, " 1");
    EXPECT_STREQ(entries[1].key, kBgmRepeatKey);
    EXPECT_EQ(entries[1].value, " 4");
    EXPECT_STREQ(entries[2].key, kBgmFileKey);
    EXPECT_EQ(entries[2].value, "C:\\m\\a.mp3");
}

// A file picked before "なし" is chosen is kept, and the track typed for a CD
// is kept when the file is chosen: confirming writes all three whatever the
// source.
TEST(ConfirmedSettings, KeepsTheOtherSourcesValues) {
    const auto none = ConfirmedSettings(0, "5", "C:\\a.wav");
    EXPECT_EQ(none[0].value, " 0");
    EXPECT_EQ(none[1].value, " 5");
    EXPECT_EQ(none[2].value, "C:\\a.wav");

    const auto fileWithoutFile = ConfirmedSettings(2, "", "");
    EXPECT_EQ(fileWithoutFile[0].value, " 2");
    EXPECT_EQ(fileWithoutFile[1].value, " 0");
    EXPECT_EQ(fileWithoutFile[2].value, "");
}

TEST(ConfirmedSettings, AStoredKindOutsideTheSourcesIsWrittenBackUnchanged) {
    EXPECT_EQ(ConfirmedSettings(7, "x", "")[0].value, " 7");
    EXPECT_EQ(ConfirmedSettings(-3, "x", "")[0].value, "-3");
    EXPECT_EQ(ConfirmedSettings(-3, "x", "")[1].value, " 0");
}

}  // namespace
