// The saver's calls into the platform's multimedia functions: MCI command
// strings, their error texts, PlaySound and the count of wave output devices.
// winmm on Windows; the tests supply their own devices. Text is in the
// machine's ANSI code page.
#pragma once

#include <cstdint>

// PlaySound flags, with winmm's values.
constexpr std::uint32_t kSoundAsync = 0x0001;
constexpr std::uint32_t kSoundLoop = 0x0008;

// mciSendStringA without a callback window; reply may be null with length 0.
std::uint32_t SendMciString(const char* command, char* reply, std::uint32_t replyLength);

// mciGetErrorStringA: nonzero when it wrote the text for code.
std::int32_t GetMciErrorString(std::uint32_t code, char* text, std::uint32_t length);

// PlaySoundA without a module; a null name stops what PlaySound plays.
std::int32_t PlaySoundName(const char* name, std::uint32_t flags);

// waveOutGetNumDevs.
std::int32_t CountWaveOutDevices();
