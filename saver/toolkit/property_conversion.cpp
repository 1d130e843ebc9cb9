#include "property_conversion.h"

#include "numeric_literal.h"

#include <cmath>
#include <cstdio>

std::optional<double> PropertyNumber(const PropertyValue& value) {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* text = std::get_if<std::string>(&value)) return ReadWholeNumericLiteral(*text);
    return std::nullopt;
}

std::optional<std::int32_t> PropertyInteger(const PropertyValue& value, std::int32_t low,
                                            std::int32_t high) {
    const auto number = PropertyNumber(value);
    if (!number) return std::nullopt;
    const auto rounded = RoundHalfEvenToInt32(*number);
    if (!rounded || *rounded < low || *rounded > high) return std::nullopt;
    return rounded;
}

std::optional<bool> PropertyBoolean(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (SameKey(*text, "True")) return true;
        if (SameKey(*text, "False")) return false;
    }
    const auto number = PropertyNumber(value);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::optional<std::string> PropertyText(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    const auto* number = std::get_if<double>(&value);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.15g", *number);
    return std::string(digits);
}
