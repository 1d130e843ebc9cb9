#include "multimedia.h"

#include <windows.h>
#include <mmsystem.h>

static_assert(kSoundAsync == SND_ASYNC && kSoundLoop == SND_LOOP, "PlaySound flags");

std::uint32_t SendMciString(const char* command, char* reply, std::uint32_t replyLength) {
    return mciSendStringA(command, reply, replyLength, nullptr);
}

std::int32_t GetMciErrorString(std::uint32_t code, char* text, std::uint32_t length) {
    return mciGetErrorStringA(code, text, length);
}

std::int32_t PlaySoundName(const char* name, std::uint32_t flags) {
    return PlaySoundA(name, nullptr, flags);
}

std::int32_t CountWaveOutDevices() {
    return static_cast<std::int32_t>(waveOutGetNumDevs());
}
