// A made-up desktop for demonstrations and benchmarks: a coloured background
// with icons, two overlapping windows and a task bar. The same size always
// gives the same pixels.
#pragma once

#include <cstdint>
#include <vector>

// Red, green, blue per pixel, bottom row first: the order in which the
// snapshot file stores its rows. Shapes scale with the size; any size from
// 1 x 1 up is painted completely.
std::vector<std::uint8_t> PaintSampleDesktop(std::int32_t width, std::int32_t height);
