#include "mci_channel.h"

#include "last_result.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

namespace {

TEST(WinmmMci, CommandToAliasNotOpenGivesThePlatformCodeAndText) {
    MciChannel channel;
    std::string reply;
    const std::int32_t code = channel.MciSend("status TesseluneNotOpen mode", reply);
    EXPECT_NE(code, 0);
    EXPECT_EQ(LastResult, code);

    char expected[256] = {};
    ASSERT_TRUE(mciGetErrorStringA(static_cast<MCIERROR>(code), expected, sizeof(expected)));
    EXPECT_FALSE(reply.empty());
    EXPECT_EQ(reply, expected);

    EXPECT_EQ(channel.MciQuery("close TesseluneNotOpen"),
              "Error:" + std::to_string(MCIERR_INVALID_DEVICE_NAME));
    ASSERT_TRUE(mciGetErrorStringA(MCIERR_INVALID_DEVICE_NAME, expected, sizeof(expected)));
    EXPECT_EQ(channel.MciReply(), expected);
}

TEST(WinmmMci, SuccessfulQueryGivesTheDevicesReply) {
    MciChannel channel;
    const std::string count = channel.MciQuery("sysinfo all quantity");
    EXPECT_EQ(LastResult, 0);
    ASSERT_FALSE(count.empty());
    EXPECT_EQ(count.find_first_not_of("0123456789"), std::string::npos) << count;
}

}  // namespace
