// The viewer's copy of the desktop snapshot: the pixels read from the file and
// the float image that becomes the one texture of the scene.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

// Nearest single-precision value to 1/255 (bit pattern 0x3B808081).
inline constexpr float kByteToUnit = 1.0f / 255.0f;

// The texture name of a picture that has no texture in GL.
inline constexpr std::uint32_t kNoTextureName = 0xFFFFFFFFu;

struct SnapshotImage {
    std::uint32_t textureName = kNoTextureName;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::unique_ptr<std::uint8_t[]> rgbPixels;  // red, green, blue; bottom row first
    std::unique_ptr<float[]> rgbaPixels;        // the same pixels in 0..1, alpha 1
};

// 0 when the viewer may go on, with or without a picture (a missing or
// unreadable file leaves the picture empty); 1 for a file it must not show.
int LoadSnapshot(SnapshotImage& picture, const std::filesystem::path& path);

// Fills the RGBA array from the RGB array; 1 when the array cannot be had.
int BuildFloatImage(SnapshotImage& picture);
