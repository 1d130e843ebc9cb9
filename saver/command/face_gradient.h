// The button face's vertical gradient as the platform's gradient fill takes
// it: two coloured corners and one rectangle between them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr char kLightGradientColour[] = "&HFFFFFF";
inline constexpr char kDarkGradientColour[] = "&HC6C5D7";

// Channels are 16-bit, the 8-bit value in the high byte.
struct VertexColour {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;
};

struct GradientVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    VertexColour colour;
};

// Indexes into the vertices: the fill runs from UpperLeft's colour at the
// top to LowerRight's at the bottom by their places, whichever way round.
struct GradientRectangle {
    std::uint32_t UpperLeft = 0;
    std::uint32_t LowerRight = 0;
};

struct FaceGradient {
    std::array<GradientVertex, 2> GradientVertices;
    GradientRectangle GradientRect;
};

// A colour constant "&HRRGGBB" read as hexadecimal text: characters 1-2 are
// the red, 3-4 the green and 5-6 the blue channel. Fewer than six digits are
// read as if led by zeros. Empty when the constant is not a colour.
std::optional<VertexColour> GradientColour(std::string_view constant);

// Light at the top and dark at the bottom, or the other way round when
// InvertGradient is set, over a face of the given size in pixels.
FaceGradient ComputeFaceGradient(bool InvertGradient, std::int32_t width, std::int32_t height);
