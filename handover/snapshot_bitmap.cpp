#include "snapshot_bitmap.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {

constexpr std::size_t kBitDepthOffset = 28;
constexpr std::size_t kCompressionOffset = 30;
constexpr std::size_t kWidthOffset = 18;
constexpr std::size_t kHeightOffset = 22;

// The largest array the viewer derives from a picture is its RGBA float copy,
// 16 bytes a pixel; it must be addressable by a 32-bit process.
constexpr std::uint64_t kLargestArrayBytes = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kBytesPerFloatPixel = 4 * sizeof(float);

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t ReadU16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

void PutU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

// The header for width x height, and black pixels.
std::vector<std::uint8_t> EmptyFile(std::int32_t width, std::int32_t height) {
    const std::size_t imageSize = std::size_t(BitmapStride(width)) * std::size_t(height);
    std::vector<std::uint8_t> file(kBitmapHeaderSize + imageSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(&file[2], std::uint32_t(file.size()));
    PutU32(&file[10], kBitmapHeaderSize);
    PutU32(&file[14], 40);
    PutU32(&file[kWidthOffset], std::uint32_t(width));
    PutU32(&file[kHeightOffset], std::uint32_t(height));
    PutU16(&file[26], 1);
    PutU16(&file[kBitDepthOffset], 24);
    PutU32(&file[34], std::uint32_t(imageSize));
    return file;
}

}  // namespace

std::uint64_t BitmapStride(std::int64_t width) {
    return std::uint64_t((24 * width + 31) / 32) * 4;
}

bool DecodeSnapshotBitmap(const std::uint8_t* file, std::size_t size, BitmapPixels& out) {
    if (size < kBitmapHeaderSize) return false;
    if (ReadU16(file + kBitDepthOffset) != 24) return false;
    if (ReadU32(file + kCompressionOffset) != 0) return false;

    const auto width = std::int32_t(ReadU32(file + kWidthOffset));
    const auto height = std::int32_t(ReadU32(file + kHeightOffset));
    if (width <= 0 || height < 0) return false;

    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    if (pixels > kLargestArrayBytes / kBytesPerFloatPixel) return false;

    const std::uint64_t stride = BitmapStride(width);
    if (size - kBitmapHeaderSize < stride * std::uint64_t(height)) return false;

    std::unique_ptr<std::uint8_t[]> rgb(new (std::nothrow) std::uint8_t[pixels * 3]);
    if (!rgb) return false;

    for (std::int32_t r = 0; r < height; ++r) {
        const std::uint8_t* source = file + kBitmapHeaderSize + std::size_t(r) * stride;
        std::uint8_t* target = rgb.get() + std::size_t(r) * std::size_t(width) * 3;
        for (std::int32_t c = 0; c < width; ++c) {
            target[3 * c + 0] = source[3 * c + 2];
            target[3 * c + 1] = source[3 * c + 1];
            target[3 * c + 2] = source[3 * c + 0];
        }
    }
    out.width = width;
    out.height = height;
    out.rgb = std::move(rgb);
    return true;
}

std::vector<std::uint8_t> EncodeSnapshotBitmap(std::int32_t width, std::int32_t height,
                                               const std::uint8_t* rgb) {
    std::vector<std::uint8_t> file = EmptyFile(width, height);
    const auto stride = std::size_t(BitmapStride(width));
    for (std::int32_t r = 0; r < height; ++r) {
        std::uint8_t* target = &file[kBitmapHeaderSize + std::size_t(r) * stride];
        const std::uint8_t* source = rgb + std::size_t(r) * std::size_t(width) * 3;
        for (std::int32_t c = 0; c < width; ++c) {
            target[3 * c + 0] = source[3 * c + 2];
            target[3 * c + 1] = source[3 * c + 1];
            target[3 * c + 2] = source[3 * c + 0];
        }
    }
    return file;
}

std::vector<std::uint8_t> EncodeSnapshotBitmapRows(std::int32_t width, std::int32_t height,
                                                   const std::uint8_t* rows) {
    std::vector<std::uint8_t> file = EmptyFile(width, height);
    const auto stride = std::size_t(BitmapStride(width));
    for (std::int32_t r = 0; r < height; ++r) {
        const std::uint8_t* source = rows + std::size_t(r) * stride;
        std::copy(source, source + std::size_t(width) * 3,
                  file.data() + kBitmapHeaderSize + std::size_t(r) * stride);
    }
    return file;
}
