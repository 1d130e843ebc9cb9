#include "settings_file.h"

#include "numeric_literal.h"

#include <cmath>

std::string SettingsFilePath(std::string_view programFolder) {
    return std::string(programFolder) + "\\Tesselune.ini";
}

std::string SignColumnDecimal(std::int32_t value) {
    const std::int64_t wide = value;
    return (wide < 0 ? "-" : " ") + std::to_string(wide < 0 ? -wide : wide);
}

std::optional<std::int16_t> SettingsNumber(std::string_view text) {
    const std::optional<double> value = ReadWholeNumericLiteral(text);
    if (!value) return std::nullopt;
    const double whole = std::floor(*value);
    if (whole < -32768.0 || whole > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}
