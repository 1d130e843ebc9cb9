// The saver's booleans are 16-bit: True has all bits set.
#pragma once

#include <cstdint>

constexpr std::int16_t kSaverTrue = -1;
constexpr std::int16_t kSaverFalse = 0;
