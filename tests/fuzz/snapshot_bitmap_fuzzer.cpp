// Feeds arbitrary bytes to the snapshot reader: whatever the file says, it
// must answer without reading out of bounds, and what it accepts must hold.
#include "snapshot_bitmap.h"
#include "snapshot_image.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BitmapPixels pixels;
    if (!DecodeSnapshotBitmap(data, size, pixels)) return 0;

    const std::size_t count = std::size_t(pixels.width) * std::size_t(pixels.height);
    if (pixels.width <= 0 || pixels.height < 0 || !pixels.rgb) std::abort();
    if (kBitmapHeaderSize + BitmapStride(pixels.width) * std::size_t(pixels.height) > size) {
        std::abort();
    }

    SnapshotImage picture;
    picture.width = pixels.width;
    picture.height = pixels.height;
    picture.rgbPixels = std::move(pixels.rgb);
    if (BuildFloatImage(picture) != 0) return 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (picture.rgbaPixels[4 * i + 3] != 1.0f) std::abort();
    }
    return 0;
}
