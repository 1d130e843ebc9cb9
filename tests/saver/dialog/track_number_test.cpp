// The track box: the "##" text of a track, its list, and what typed text stores.
#include "track_number.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackNumberText, ZeroIsBlankAndOthersHaveNoLeadingZeros) {
    EXPECT_EQ(FormatTrackNumber(0), "");
    EXPECT_EQ(FormatTrackNumber(5), "5");
    EXPECT_EQ(FormatTrackNumber(30), "30");
    EXPECT_EQ(FormatTrackNumber(-7), "-7");
    EXPECT_EQ(FormatTrackNumber(-32768), "-32768");
}

TEST(TrackNumberText, TheListHoldsABlankThenOneToThirty) {
    const std::vector<std::string> entries = TrackListEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries.front(), "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries.back(), "30");
}

TEST(TypedTrackNumber, RoundsHalvesToTheEvenTrack) {
    EXPECT_EQ(TrackNumberFromText("2.5"), 2);
    EXPECT_EQ(TrackNumberFromText("3.5"), 4);
    EXPECT_EQ(TrackNumberFromText("3.49"), 3);
    EXPECT_EQ(TrackNumberFromText("-2.5"), -2);
    EXPECT_EQ(TrackNumberFromText(" 12 "), 12);
    EXPECT_EQ(TrackNumberFromText("&H0A"), 10);
    EXPECT_EQ(TrackNumberFromText("1E1"), 10);
}

TEST(TypedTrackNumber, AnythingButOneNumberStoresZero) {
    EXPECT_EQ(TrackNumberFromText(""), 0);
    EXPECT_EQ(TrackNumberFromText("abc"), 0);
    EXPECT_EQ(TrackNumberFromText("3a"), 0);
    EXPECT_EQ(TrackNumberFromText("."), 0);
}

// BgmRepeat is 16 bits: beyond them the text is no track, so nothing out of
// range reaches the file and nothing overflows on the way.
TEST(TypedTrackNumber, NumbersBeyondSixteenBitsStoreZero) {
    EXPECT_EQ(TrackNumberFromText("32767"), 32767);
    EXPECT_EQ(TrackNumberFromText("32767.5"), 0);
    EXPECT_EQ(TrackNumberFromText("32768"), 0);
    EXPECT_EQ(TrackNumberFromText("-32768"), -32768);
    EXPECT_EQ(TrackNumberFromText("-32769"), 0);
    EXPECT_EQ(TrackNumberFromText("99999999999"), 0);
    EXPECT_EQ(TrackNumberFromText("1E308"), 0);
    EXPECT_EQ(TrackNumberFromText("1E999"), 0);
    EXPECT_EQ(TrackNumberFromText("&HFFFFFFFFF"), 0);
}

}  // namespace
