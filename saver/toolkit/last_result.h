// The saver's program-wide result of its latest platform or MCI call. Only
// MciSend decides anything on it; every other writer stores it and moves on.
#pragma once

#include <cstdint>

extern std::int32_t LastResult;
