// preview_stills FOLDER: renders the effect over the made-up desktop with the
// viewer's own scene, off screen, and writes two stills of it to FOLDER as
// bitmaps four times the preview's 152 x 112 pixels: background.bmp at the
// first frame and image.bmp a few seconds into the turn. make_saver_art
// shrinks them and stores them as the preview's JPEG stills.
#include "desktop_picture.h"
#include "gl_context.h"
#include "snapshot_bitmap.h"
#include "viewer_context.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kDesktopSide = 512;
constexpr std::int32_t kWidth = 152 * 4;
constexpr std::int32_t kHeight = 112 * 4;
// At half a degree a frame: the panels seen turned by 50 degrees.
constexpr int kLaterFrame = 100;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

// The frame just drawn, bottom row first, as the bitmap stores it.
std::vector<std::uint8_t> ReadFrame() {
    std::vector<std::uint8_t> rgb(std::size_t(kWidth) * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

bool WriteFrame(const std::string& path) {
    return WriteFile(path, EncodeSnapshotBitmap(kWidth, kHeight, ReadFrame().data()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: preview_stills FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string desktopPath = folder + "/desktop.bmp";
    const std::vector<std::uint8_t> desktop = PaintSampleDesktop(kDesktopSide, kDesktopSide);
    if (!WriteFile(desktopPath, EncodeSnapshotBitmap(kDesktopSide, kDesktopSide, desktop.data()))) {
        std::fprintf(stderr, "preview_stills: cannot write %s\n", desktopPath.c_str());
        return 1;
    }

    ViewerContext context;
    if (LoadSnapshot(context.picture, desktopPath.c_str()) != 0 ||
        CreateGLContext(context, nullptr, kWidth, kHeight) != 0 || SetUpScene(context) != 0) {
        std::fprintf(stderr, "preview_stills: the scene cannot be set up\n");
        return 1;
    }
    context.ready = 1;
    RenderFrame(context);
    bool written = WriteFrame(folder + "/background.bmp");
    for (int frame = 1; frame <= kLaterFrame; ++frame) RenderFrame(context);
    written = WriteFrame(folder + "/image.bmp") && written;
    StopViewer(context);
    std::remove(desktopPath.c_str());
    if (!written) {
        std::fprintf(stderr, "preview_stills: cannot write the stills to %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
