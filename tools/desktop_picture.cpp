#include "desktop_picture.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

struct Colour {
    std::uint8_t r, g, b;
};

// Shapes are laid out on a 512 x 512 board and scaled to the picture.
constexpr std::int64_t kBoard = 512;

constexpr Colour kDesktopTop = {0, 96, 128};
constexpr Colour kDesktopBottom = {0, 150, 136};
constexpr Colour kTaskBar = {192, 192, 192};
constexpr Colour kStartButton = {40, 150, 60};
constexpr Colour kClockWell = {160, 160, 160};
constexpr Colour kFrame = {212, 208, 200};
constexpr Colour kActiveTitle = {10, 36, 106};
constexpr Colour kInactiveTitle = {128, 128, 128};
constexpr Colour kClient = {255, 255, 255};
constexpr Colour kTextLine = {150, 150, 160};
constexpr Colour kIconLabel = {230, 230, 230};
constexpr Colour kIconColours[] = {{250, 210, 60}, {220, 70, 60}, {70, 130, 230}, {120, 200, 90}};

class Canvas {
  public:
    Canvas(std::int32_t width, std::int32_t height)
        : width_(std::max(width, 0)),
          height_(std::max(height, 0)),
          rgb_(std::size_t(width_) * std::size_t(height_) * 3) {}

    // Fills a rectangle given in board units, top-down, clipped to the picture.
    void Fill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              Colour colour) {
        const std::int64_t x0 = ScaleX(left), x1 = ScaleX(right);
        const std::int64_t y0 = ScaleY(top), y1 = ScaleY(bottom);
        for (std::int64_t y = y0; y < y1; ++y) {
            for (std::int64_t x = x0; x < x1; ++x) Put(x, y, colour);
        }
    }

    // The background darkens towards the top, so a turned copy shows which
    // way is up.
    void Gradient(Colour top, Colour bottom) {
        for (std::int64_t y = 0; y < height_; ++y) {
            const std::int64_t weight = height_ > 1 ? y * 255 / (height_ - 1) : 0;
            const Colour mixed = {Mix(top.r, bottom.r, weight), Mix(top.g, bottom.g, weight),
                                  Mix(top.b, bottom.b, weight)};
            for (std::int64_t x = 0; x < width_; ++x) Put(x, y, mixed);
        }
    }

    std::vector<std::uint8_t> Take() { return std::move(rgb_); }

  private:
    std::int64_t ScaleX(std::int64_t board) const {
        return std::clamp<std::int64_t>(board * width_ / kBoard, 0, width_);
    }
    std::int64_t ScaleY(std::int64_t board) const {
        return std::clamp<std::int64_t>(board * height_ / kBoard, 0, height_);
    }

    static std::uint8_t Mix(std::uint8_t a, std::uint8_t b, std::int64_t weight) {
        return std::uint8_t((a * (255 - weight) + b * weight) / 255);
    }

    void Put(std::int64_t x, std::int64_t y, Colour colour) {
        const std::size_t row = std::size_t(height_ - 1 - y);
        std::uint8_t* pixel = &rgb_[(row * std::size_t(width_) + std::size_t(x)) * 3];
        pixel[0] = colour.r;
        pixel[1] = colour.g;
        pixel[2] = colour.b;
    }

    std::int64_t width_;
    std::int64_t height_;
    std::vector<std::uint8_t> rgb_;
};

void PaintIcons(Canvas& canvas) {
    for (std::int64_t i = 0; i < 4; ++i) {
        const std::int64_t top = 16 + i * 64;
        canvas.Fill(20, top, 52, top + 32, kIconColours[i]);
        canvas.Fill(14, top + 38, 58, top + 44, kIconLabel);
    }
}

void PaintWindow(Canvas& canvas, std::int64_t left, std::int64_t top, std::int64_t right,
                 std::int64_t bottom, Colour title) {
    canvas.Fill(left, top, right, bottom, kFrame);
    canvas.Fill(left + 3, top + 3, right - 3, top + 21, title);
    for (std::int64_t button = 0; button < 3; ++button) {
        const std::int64_t buttonRight = right - 6 - button * 16;
        canvas.Fill(buttonRight - 14, top + 5, buttonRight, top + 19, kFrame);
    }
    canvas.Fill(left + 3, top + 24, right - 3, bottom - 3, kClient);
    for (std::int64_t line = top + 34; line + 4 < bottom - 10; line += 14) {
        const std::int64_t length = (right - left - 30) * (3 + (line / 14) % 3) / 5;
        canvas.Fill(left + 12, line, left + 12 + length, line + 4, kTextLine);
    }
}

void PaintTaskBar(Canvas& canvas) {
    canvas.Fill(0, 482, kBoard, kBoard, kTaskBar);
    canvas.Fill(4, 486, 70, 508, kStartButton);
    canvas.Fill(430, 486, 508, 508, kClockWell);
}

}  // namespace

std::vector<std::uint8_t> PaintSampleDesktop(std::int32_t width, std::int32_t height) {
    Canvas canvas(width, height);
    canvas.Gradient(kDesktopTop, kDesktopBottom);
    PaintIcons(canvas);
    PaintWindow(canvas, 96, 40, 400, 300, kInactiveTitle);
    PaintWindow(canvas, 190, 170, 480, 440, kActiveTitle);
    PaintTaskBar(canvas);
    return canvas.Take();
}
