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

class MciCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        fake = FakeMultimedia{};
        LastResult = 0;
    }

    MciChannel channel;
};

TEST_F(MciCommands, EmptyCommandCallsNoMciAndKeepsLastResult) {
    LastResult = 1234;
    std::string reply = "earlier";
    EXPECT_EQ(channel.MciSend("", reply), -1);
    EXPECT_EQ(reply, kNoCommandText);
    EXPECT_EQ(LastResult, 1234);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(MciCommands, EmptyQueryReportsMinusOne) {
    EXPECT_EQ(channel.MciQuery(""), "Error:-1");
    EXPECT_EQ(LastResult, -1);
    EXPECT_EQ(channel.MciReply(), kNoCommandText);
}

TEST_F(MciCommands, CommandToDeviceNotOpenGivesMciCodeAndItsText) {
    std::string reply;
    EXPECT_EQ(channel.MciSend("status cdaudio mode", reply),
              static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(LastResult, static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(reply, FakeErrorText(kMciInvalidDeviceName));

    EXPECT_EQ(channel.MciQuery("status MP3Play mode"), "Error:263");
    EXPECT_EQ(LastResult, 263);
    EXPECT_EQ(channel.MciReply(), FakeErrorText(kMciInvalidDeviceName));
}

TEST_F(MciCommands, MissingErrorTextGivesFixedText) {
    fake.errorTextAvailable = false;
    std::string reply;
    EXPECT_EQ(channel.MciSend("status cdaudio mode", reply),
              static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(reply, kNoErrorText);
}

TEST_F(MciCommands, CommandsGoOutWithTheReplyBuffer) {
    std::string reply;
    channel.MciSend("open cdaudio", reply);
    channel.MciSend("status cdaudio number of tracks", reply);
    ASSERT_EQ(fake.calls.size(), 2u);
    for (const MciCall& call : fake.calls) {
        EXPECT_TRUE(call.hasReplyBuffer);
        EXPECT_EQ(call.replyLength, 512u);
    }
    EXPECT_EQ(reply, "10");
    EXPECT_EQ(LastResult, 0);
}

TEST_F(MciCommands, SuccessWithoutReplyTextIsEmptyEvenAfterAnEarlierReply) {
    std::string reply;
    channel.MciSend("open cdaudio", reply);
    EXPECT_EQ(channel.MciQuery("status cdaudio number of tracks"), "10");
    EXPECT_EQ(channel.MciQuery("set cdaudio time format tmsf"), "");
    EXPECT_EQ(channel.MciReply(), "");
    EXPECT_EQ(LastResult, 0);
}

TEST_F(MciCommands, ReplyThatFillsTheWholeBufferEndsAtItsEnd) {
    fake.repliesFillBuffer = true;
    std::string reply;
    EXPECT_EQ(channel.MciSend("open cdaudio", reply), 0);
    EXPECT_EQ(reply, std::string(512, 'x'));
}

TEST_F(MciCommands, PlayBuildsOneCommandFromWhatIsGiven) {
    channel.MciPlay("cdaudio", "", "");
    channel.MciPlay("cdaudio", "3", "");
    channel.MciPlay("cdaudio", "", "5");
    channel.MciPlay("cdaudio", "03:00:00:00", "04:00:00:00");
    EXPECT_EQ(fake.Commands(),
              (std::vector<std::string>{"play cdaudio", "play cdaudio from 3", "play cdaudio to 5",
                                        "play cdaudio from 03:00:00:00 to 04:00:00:00"}));
}

TEST_F(MciCommands, PlayReturnsTheCodeAndLeavesTheTextInMciReply) {
    EXPECT_EQ(channel.MciPlay("cdaudio", "", ""), static_cast<int>(kMciInvalidDeviceName));
    EXPECT_EQ(channel.MciReply(), FakeErrorText(kMciInvalidDeviceName));
    std::string reply;
    channel.MciSend("open cdaudio", reply);
    EXPECT_EQ(channel.MciPlay("cdaudio", "", ""), 0);
    EXPECT_EQ(channel.MciReply(), "");
}

}  // namespace
