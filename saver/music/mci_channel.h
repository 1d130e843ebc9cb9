// The music module's MCI command channel: one command string in, a result
// code and a text out (the device's reply, or a readable error text).
#pragma once

#include <cstdint>
#include <string>

// Reply or error text of the latest MciQuery or MciPlay.
extern std::string MciReply;

// Sends command and stores MCI's code in LastResult. An empty command sends
// nothing, leaves LastResult alone and returns -1.
std::int32_t MciSend(const std::string& command, std::string& reply);

// The device's reply, or "Error:" and the code when the command failed.
std::string MciQuery(const std::string& command);

// "play device", with " from from" and " to to" when they are given.
std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);
