#include "gl_context.h"
#include "snapshot_bitmap.h"
#include "viewer_context.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

// A frame read back with its top row first, as on screen.
class Frame {
public:
    Frame(int width, int height) : width_(width), height_(height), rgba_(width * height * 4) {
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba_.data());
    }

    // The pixel under normalised device coordinates (x, y), y growing upwards.
    Rgb At(double x, double y) const {
        const int column = int((x + 1) / 2 * width_);
        const int row = int((y + 1) / 2 * height_);
        const std::uint8_t* p = &rgba_[(std::size_t(row) * width_ + column) * 4];
        return {p[0], p[1], p[2]};
    }

    // How many pixels differ from another frame's by more than a rounding.
    int PixelsUnlike(const Frame& other) const {
        int unlike = 0;
        for (std::size_t i = 0; i < rgba_.size(); i += 4) {
            for (int k = 0; k < 3; ++k) {
                if (std::abs(rgba_[i + k] - other.rgba_[i + k]) > 8) {
                    ++unlike;
                    break;
                }
            }
        }
        return unlike;
    }

    int Pixels() const { return width_ * height_; }

private:
    int width_, height_;
    std::vector<std::uint8_t> rgba_;
};

void ExpectNear(Rgb actual, Rgb expected, const char* where) {
    EXPECT_NEAR(actual.r, expected.r, 3) << where;
    EXPECT_NEAR(actual.g, expected.g, 3) << where;
    EXPECT_NEAR(actual.b, expected.b, 3) << where;
}

class RenderedScene : public ::testing::Test {
protected:
    void TearDown() override {
        StopViewer(context);
        std::remove(snapshotPath.c_str());
    }

    // Bottom half red, top half blue.
    void WriteRedBelowBlueAbove() {
        std::vector<std::uint8_t> rgb(512 * 512 * 3, 0);
        for (int i = 0; i < 512 * 512; ++i) rgb[3 * i + (i < 512 * 256 ? 0 : 2)] = 200;
        const auto file = EncodeSnapshotBitmap(512, 512, rgb.data());
        std::FILE* out = std::fopen(snapshotPath.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    }

    void Start(int width, int height) {
        ASSERT_EQ(LoadSnapshot(context.picture, snapshotPath.c_str()), 0);
        ASSERT_EQ(CreateGLContext(context, nullptr, width, height), 0);
        ASSERT_EQ(SetUpScene(context), 0);
        context.ready = 1;
    }

    Frame Render() {
        RenderFrame(context);
        return Frame(context.width, context.height);
    }

    const std::string snapshotPath = ::testing::TempDir() + "tesselune_scene_render.bmp";
    ViewerContext context;
};

// Where the panels fall at angle 0, in device coordinates of a 4:3 window:
// the front panel reaches to x = +-0.65 and y = +-0.87; the back panel and
// the slanted top and bottom panels stay within x = +-0.44.
constexpr double kFrontOnlyX = 0.55;

}  // namespace

TEST_F(RenderedScene, FirstFrameShowsTheFrontPanelUprightAtHalfBrightnessOverBlack) {
    WriteRedBelowBlueAbove();
    Start(1024, 768);
    const Frame frame = Render();

    ExpectNear(frame.At(kFrontOnlyX, -0.5), {100, 0, 0}, "front panel, lower half");
    ExpectNear(frame.At(-kFrontOnlyX, -0.5), {100, 0, 0}, "front panel, lower half, left");
    ExpectNear(frame.At(kFrontOnlyX, 0.5), {0, 0, 100}, "front panel, upper half");
    ExpectNear(frame.At(0.8, 0), {0, 0, 0}, "right of the panels");
    ExpectNear(frame.At(0, 0.95), {0, 0, 0}, "above the panels");
    ExpectNear(frame.At(-0.99, -0.99), {0, 0, 0}, "corner");
}

TEST_F(RenderedScene, LaterPanelsLieOverEarlierOnesAtHalfWeight) {
    WriteRedBelowBlueAbove();
    Start(1024, 768);
    const Frame frame = Render();
    // Front then back panel over the same upper-half texels: 0.5 + 0.25.
    ExpectNear(frame.At(0.1, 0.1), {0, 0, 150}, "front and back panel");
}

TEST_F(RenderedScene, WithoutASnapshotThePanelsAreGrey) {
    Start(1024, 768);
    const Frame frame = Render();
    ExpectNear(frame.At(kFrontOnlyX, -0.5), {128, 128, 128}, "front panel alone");
    ExpectNear(frame.At(0.1, 0.1), {191, 191, 191}, "front and back panel");
    ExpectNear(frame.At(0.8, 0), {0, 0, 0}, "right of the panels");
}

TEST_F(RenderedScene, EachFrameTurnsThePanelsByHalfADegree) {
    WriteRedBelowBlueAbove();
    Start(320, 240);
    const Frame first = Render();
    const Frame second = Render();
    const int moved = second.PixelsUnlike(first);
    EXPECT_GT(moved, 0);
    EXPECT_LT(moved, first.Pixels() / 50);

    for (int frame = 2; frame < 180; ++frame) RenderFrame(context);
    const Frame quarterTurn = Render();
    EXPECT_GT(quarterTurn.PixelsUnlike(first), first.Pixels() / 10);

    for (int frame = 181; frame < 720; ++frame) RenderFrame(context);
    EXPECT_EQ(context.spinAngle, 360.0f);
    const Frame fullTurn = Render();
    EXPECT_LT(fullTurn.PixelsUnlike(first), first.Pixels() / 1000);
}
