// The 24-bit uncompressed Windows bitmap that carries the desktop picture
// from the saver to the viewer. Plain bytes in, plain bytes out: no platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

constexpr std::size_t kBitmapHeaderSize = 54;

// Bytes per stored row: three per pixel, padded to a multiple of four.
std::uint64_t BitmapStride(std::int64_t width);

// Pixels as the viewer keeps them: red, green, blue per pixel, bottom row first.
struct BitmapPixels {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::unique_ptr<std::uint8_t[]> rgb;
};

// Reads a whole bitmap file held in memory; false rejects it. Pixel data is
// always taken from offset 54, whatever the header claims. Beyond the bit
// depth and compression, every size is checked against the bytes actually
// there before anything is read, and the pixel array must be had.
bool DecodeSnapshotBitmap(const std::uint8_t* file, std::size_t size, BitmapPixels& out);

// Makes the complete file for pixels given as red, green, blue, bottom row
// first (the order DecodeSnapshotBitmap gives back).
std::vector<std::uint8_t> EncodeSnapshotBitmap(std::int32_t width, std::int32_t height,
                                               const std::uint8_t* rgb);

// Makes the complete file for rows as the file holds them: blue, green, red,
// each row BitmapStride(width) bytes, bottom row first. That is how a 24-bit
// bottom-up DIB section keeps its image, so a captured picture goes in as it
// is. The file's padding is zero whatever the rows' padding holds.
std::vector<std::uint8_t> EncodeSnapshotBitmapRows(std::int32_t width, std::int32_t height,
                                                   const std::uint8_t* rows);
