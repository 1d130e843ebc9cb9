// The viewer's start-up work on the picture: LoadSnapshot reads a 512 x 512
// 24-bit file and, through BuildFloatImage, makes the float image that
// becomes the texture. Medians over repetitions; the goal is 3 ms.
#include "desktop_picture.h"
#include "snapshot_bitmap.h"
#include "snapshot_image.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr std::int32_t kSide = 512;
constexpr int kRepetitions = 25;

// One file for the whole run, in the system's temporary folder.
class SnapshotFile {
  public:
    SnapshotFile() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = (std::filesystem::temp_directory_path() /
                 ("tesselune-snapshot-" + std::to_string(stamp) + ".bmp"))
                    .string();
        const auto bytes =
            EncodeSnapshotBitmap(kSide, kSide, PaintSampleDesktop(kSide, kSide).data());
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    SnapshotFile(const SnapshotFile&) = delete;
    SnapshotFile& operator=(const SnapshotFile&) = delete;
    ~SnapshotFile() { std::remove(path_.c_str()); }

    const char* Path() const { return path_.c_str(); }

  private:
    std::string path_;
};

const SnapshotFile& TheFile() {
    static const SnapshotFile file;
    return file;
}

void LoadSnapshotWithFloatImage(benchmark::State& state) {
    const char* path = TheFile().Path();
    for (auto _ : state) {
        SnapshotImage picture;
        if (LoadSnapshot(picture, path) != 0 || !picture.rgbaPixels) {
            state.SkipWithError("the snapshot was not loaded");
            break;
        }
        benchmark::DoNotOptimize(picture.rgbaPixels.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(LoadSnapshotWithFloatImage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// The float conversion alone, to tell reading from converting.
void BuildFloatImageOnly(benchmark::State& state) {
    SnapshotImage picture;
    if (LoadSnapshot(picture, TheFile().Path()) != 0 || !picture.rgbaPixels) {
        state.SkipWithError("the snapshot was not loaded");
        return;
    }
    for (auto _ : state) {
        if (BuildFloatImage(picture) != 0) {
            state.SkipWithError("no memory for the float image");
            break;
        }
        benchmark::DoNotOptimize(picture.rgbaPixels.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BuildFloatImageOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
