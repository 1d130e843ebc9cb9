// The music module's MCI command channel: one command string in, a result
// code and a text out (the device's reply, or a readable error text). The
// buffers MCI writes into are the channel's own.
#pragma once

#include <cstdint>
#include <string>

class MciChannel {
  public:
    // Sends command and stores MCI's code in LastResult. An empty command
    // sends nothing, leaves LastResult alone and returns -1.
    std::int32_t MciSend(const std::string& command, std::string& reply);

    // The device's reply, or "Error:" and the code when the command failed.
    std::string MciQuery(const std::string& command);

    // "play device", with " from from" and " to to" when they are given.
    std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

    // Reply or error text of the latest MciQuery or MciPlay.
    const std::string& MciReply() const { return mciReply_; }

  private:
    std::string mciReply_;
    char replyBuffer_[512] = {};
    char errorTextBuffer_[256] = {};
};
