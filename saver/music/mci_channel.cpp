#include "mci_channel.h"

#include "last_result.h"
#include "multimedia.h"

#include <cstring>

namespace {

// "コマンド文字列が指定されていません" in code page 932.
const char kNoCommandText[] =
    "\x83R\x83}\x83\x93\x83h\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8Ew\x92\xE8\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xDC\x82\xB9\x82\xF1";

// "Error (文字列が取れません)" in code page 932.
const char kNoErrorText[] =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

// NOTE: a device may fill the whole buffer without a terminating NUL, so the
// text ends at the buffer's end at the latest.
template <std::size_t size>
std::string TextOf(const char (&buffer)[size]) {
    const void* end = std::memchr(buffer, '\0', size);
    return std::string(buffer, end ? static_cast<const char*>(end) : buffer + size);
}

}  // namespace

std::int32_t MciChannel::MciSend(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = kNoCommandText;
        return -1;
    }
    // An empty first character keeps an earlier reply from standing in for a
    // command that answers nothing.
    replyBuffer_[0] = '\0';
    LastResult = static_cast<std::int32_t>(
        SendMciString(command.c_str(), replyBuffer_, sizeof(replyBuffer_)));
    if (LastResult != 0) {
        errorTextBuffer_[0] = '\0';
        if (GetMciErrorString(static_cast<std::uint32_t>(LastResult), errorTextBuffer_,
                              sizeof(errorTextBuffer_)) != 0) {
            reply = TextOf(errorTextBuffer_);
        } else {
            reply = kNoErrorText;
        }
        return LastResult;
    }
    reply = TextOf(replyBuffer_);
    return 0;
}

std::string MciChannel::MciQuery(const std::string& command) {
    const std::int32_t code = MciSend(command, mciReply_);
    LastResult = code;
    if (code != 0) return "Error:" + std::to_string(code);
    return mciReply_;
}

std::int32_t MciChannel::MciPlay(const std::string& device, const std::string& from,
                                 const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) command += " from " + from;
    if (!to.empty()) command += " to " + to;
    return MciSend(command, mciReply_);
}
