#include "face_gradient.h"

#include "numeric_literal.h"

#include <cstdio>
#include <string>

namespace {

// "&H" + two digits + "00": the digits become the high byte.
std::uint16_t Channel(const std::string& digits, std::size_t at) {
    return static_cast<std::uint16_t>(std::stoul(digits.substr(at, 2), nullptr, 16) << 8);
}

}  // namespace

std::optional<VertexColour> GradientColour(std::string_view constant) {
    const auto value = ReadWholeNumericLiteral(constant);
    if (!value || *value < 0 || *value > 0xFFFFFF || *value != static_cast<std::int32_t>(*value)) {
        return std::nullopt;
    }
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(*value));
    const std::string text(digits);
    VertexColour colour;
    colour.red = Channel(text, 0);
    colour.green = Channel(text, 2);
    colour.blue = Channel(text, 4);
    return colour;
}

FaceGradient ComputeFaceGradient(bool InvertGradient, std::int32_t width, std::int32_t height) {
    const VertexColour light = *GradientColour(kLightGradientColour);
    const VertexColour dark = *GradientColour(kDarkGradientColour);
    FaceGradient gradient;
    gradient.GradientVertices[0] = {0, 0, InvertGradient ? dark : light};
    gradient.GradientVertices[1] = {width - 1, height - 1, InvertGradient ? light : dark};
    gradient.GradientRect = {1, 0};
    return gradient;
}
