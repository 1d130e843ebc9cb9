// Stored values turned into the types the control keeps. A value that does
// not convert gives nothing, and the control then skips the step.
#pragma once

#include "property_value.h"

#include <cstdint>
#include <optional>
#include <string>

// A number, or a text that is one numeric literal as a whole.
std::optional<double> PropertyNumber(const PropertyValue& value);

// A number rounded half to even, when it lies within [low, high].
std::optional<std::int32_t> PropertyInteger(const PropertyValue& value, std::int32_t low,
                                            std::int32_t high);

// Non-zero numbers and "True" are true; zero and "False" are false.
std::optional<bool> PropertyBoolean(const PropertyValue& value);

// Text as it is; a number in its shortest decimal form.
std::optional<std::string> PropertyText(const PropertyValue& value);
