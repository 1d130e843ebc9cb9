// What a property store holds: its values, and how its keys compare.
#pragma once

#include "stored_font.h"

#include <string>
#include <string_view>
#include <variant>

using PropertyValue = std::variant<double, std::string, StoredFont>;

// Keys are compared without regard to case, as are the words True and False.
bool SameKey(std::string_view a, std::string_view b);
