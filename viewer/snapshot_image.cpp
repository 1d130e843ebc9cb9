#include "snapshot_image.h"

#include "snapshot_bitmap.h"

#include <cstdio>
#include <new>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// NOTE: on Windows by its wide path: fopen takes the ANSI code page's
// bytes, which cannot spell every user's name in the profile's path.
std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

// The whole file in one read; an empty buffer when it cannot be had, which
// the viewer treats like a missing file.
std::unique_ptr<std::uint8_t[]> ReadWholeFile(const std::filesystem::path& path,
                                              std::size_t& size) {
    const File file(OpenForReading(path));
    if (!file) return nullptr;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
    const long length = std::ftell(file.get());
    if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return nullptr;

    size = std::size_t(length);
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[size]);
    if (!buffer || std::fread(buffer.get(), 1, size, file.get()) != size) return nullptr;
    return buffer;
}

}  // namespace

int LoadSnapshot(SnapshotImage& picture, const std::filesystem::path& path) {
    std::size_t size = 0;
    const auto file = ReadWholeFile(path, size);
    if (!file) return 0;

    BitmapPixels pixels;
    if (!DecodeSnapshotBitmap(file.get(), size, pixels)) return 1;

    SnapshotImage loaded;
    loaded.width = pixels.width;
    loaded.height = pixels.height;
    loaded.rgbPixels = std::move(pixels.rgb);
    if (BuildFloatImage(loaded) != 0) return 1;

    picture.width = loaded.width;
    picture.height = loaded.height;
    picture.rgbPixels = std::move(loaded.rgbPixels);
    picture.rgbaPixels = std::move(loaded.rgbaPixels);
    return 0;
}

int BuildFloatImage(SnapshotImage& picture) {
    const std::size_t count = std::size_t(picture.width) * std::size_t(picture.height);
    picture.rgbaPixels.reset(new (std::nothrow) float[count * 4]);
    if (!picture.rgbaPixels) return 1;

    const std::uint8_t* rgb = picture.rgbPixels.get();
    float* rgba = picture.rgbaPixels.get();
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t k = 0; k < 3; ++k) rgba[4 * i + k] = float(rgb[3 * i + k]) * kByteToUnit;
        rgba[4 * i + 3] = 1.0f;
    }
    return 0;
}
