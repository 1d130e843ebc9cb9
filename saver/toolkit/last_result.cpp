#include "last_result.h"

std::int32_t LastResult = 0;
