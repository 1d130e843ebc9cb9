#include "mci_channel.h"

#include "fake_multimedia.h"
#include "last_result.h"

#include <gtest/gtest.h>

namespace {

// "コマンド文字列が指定されていません" and "Error (文字列が取れません)" in code page 932.
const std::string kNoCommandText =
    "\x83R\x83}\x83\x93\x83h\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8Ew\x92\xE8\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xDC\x82\xB9\x82\xF1";
const std::string kNoErrorText =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

class MciChannel : public ::testing::Test {
  protected:
    void SetUp() override {
        fake = FakeMultimedia{};
        LastResult = 0;
        MciReply.clear();
    }
};

TEST_F(MciChannel, EmptyCommandCallsNoMciAndKeepsLastResult) {
    LastResult = 1234;
    std::string reply = "earlier";
    EXPECT_EQ(MciSend("", reply), -1);
    EXPECT_EQ(reply, kNoCommandText);
    EXPECT_EQ(LastResult, 1234);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(MciChannel, EmptyQueryReportsMinusOne) {
    EXPECT_EQ(MciQuery(""), "Error:-1");
    EXPECT_EQ(LastResult, -1);
    EXPECT_EQ(MciReply, kNoCommandText);
}

TEST_F(MciChannel, CommandToDeviceNotOpenGivesMciCodeAndItsText) {
    std::string reply;
    EXPECT_EQ(MciSend("status cdaudio mode", reply), static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(LastResult, static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(reply, FakeErrorText(kMciInvalidDeviceName));

    EXPECT_EQ(MciQuery("status MP3Play mode"), "Error:263");
    EXPECT_EQ(LastResult, 263);
    EXPECT_EQ(MciReply, FakeErrorText(kMciInvalidDeviceName));
}

TEST_F(MciChannel, MissingErrorTextGivesFixedText) {
    fake.errorTextAvailable = false;
    std::string reply;
    EXPECT_EQ(MciSend("status cdaudio mode", reply), static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(reply, kNoErrorText);
}

TEST_F(MciChannel, CommandsGoOutWithTheReplyBuffer) {
    std::string reply;
    MciSend("open cdaudio", reply);
    MciSend("status cdaudio number of tracks", reply);
    ASSERT_EQ(fake.calls.size(), 2u);
    for (const MciCall& call : fake.calls) {
        EXPECT_TRUE(call.hasReplyBuffer);
        EXPECT_EQ(call.replyLength, 512u);
    }
    EXPECT_EQ(reply, "10");
    EXPECT_EQ(LastResult, 0);
}

TEST_F(MciChannel, SuccessWithoutReplyTextIsEmptyEvenAfterAnEarlierReply) {
    std::string reply;
    MciSend("open cdaudio", reply);
    EXPECT_EQ(MciQuery("status cdaudio number of tracks"), "10");
    EXPECT_EQ(MciQuery("set cdaudio time format tmsf"), "");
    EXPECT_EQ(MciReply, "");
    EXPECT_EQ(LastResult, 0);
}

TEST_F(MciChannel, ReplyThatFillsTheWholeBufferEndsAtItsEnd) {
    fake.repliesFillBuffer = true;
    std::string reply;
    EXPECT_EQ(MciSend("open cdaudio", reply), 0);
    EXPECT_EQ(reply, std::string(512, 'x'));
}

TEST_F(MciChannel, PlayBuildsOneCommandFromWhatIsGiven) {
    MciPlay("cdaudio", "", "");
    MciPlay("cdaudio", "3", "");
    MciPlay("cdaudio", "", "5");
    MciPlay("cdaudio", "03:00:00:00", "04:00:00:00");
    EXPECT_EQ(fake.Commands(),
              (std::vector<std::string>{"play cdaudio", "play cdaudio from 3", "play cdaudio to 5",
                                        "play cdaudio from 03:00:00:00 to 04:00:00:00"}));
}

TEST_F(MciChannel, PlayReturnsTheCodeAndLeavesTheTextInMciReply) {
    EXPECT_EQ(MciPlay("cdaudio", "", ""), static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(MciReply, FakeErrorText(kMciInvalidDeviceName));
    std::string reply;
    MciSend("open cdaudio", reply);
    EXPECT_EQ(MciPlay("cdaudio", "", ""), 0);
    EXPECT_EQ(MciReply, "");
}

}  // namespace
