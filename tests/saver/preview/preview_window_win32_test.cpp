// The preview window in a preview box of this process, looked at on the
// screen: Wine draws a child window only inside its own process.
#include "message_pump_win32.h"
#include "preview_window_win32.h"
#include "saver_resources.h"
#include "still_picture_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr int kStillWidth = 152;
constexpr int kStillHeight = 112;
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Pixels as a 32-bit top-down image; its own DC and bitmap.
class Pixels {
  public:
    Pixels(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        former_ = SelectObject(dc_, bitmap_);
    }
    ~Pixels() {
        SelectObject(dc_, former_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x] & 0xFFFFFF;
        return RGB(bgr >> 16, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

  private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ former_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class PreviewInABox : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = BoxProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "PreviewBox";
        RegisterClassA(&windowClass);
    }

    void TearDown() override {
        if (IsWindow(box_)) DestroyWindow(box_);
        // The preview's unload asks the program to end; this one goes on.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    void Open(int width, int height) {
        box_ = CreateWindowExA(WS_EX_TOPMOST, "PreviewBox", "PreviewBox",
                               WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(box_, nullptr);
        preview_ = std::make_unique<PreviewWindow>();
        ASSERT_TRUE(preview_->Load(GetModuleHandleA(nullptr)));
        ShowPreviewIn(*preview_, box_, width, height);
        UpdateWindow(box_);
        PumpMessages(300);
        RedrawWindow(box_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages(200);
    }

    // What the screen shows in the box.
    std::unique_ptr<Pixels> Screen(int width, int height) const {
        auto shot = std::make_unique<Pixels>(width, height);
        HDC screen = GetDC(nullptr);
        BitBlt(shot->Dc(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
        ReleaseDC(nullptr, screen);
        return shot;
    }

    // The image control's still as the platform decodes it.
    static std::unique_ptr<Pixels> Still() {
        auto still = std::make_unique<Pixels>(kStillWidth, kStillHeight);
        StillPicture picture;
        EXPECT_TRUE(picture.Load(GetModuleHandleA(nullptr), IDR_PREVIEW_IMAGE));
        picture.Draw(still->Dc(), 0, 0, 96);
        return still;
    }

    HWND box_ = nullptr;
    std::unique_ptr<PreviewWindow> preview_;
};

// At 144 dpi (Windows at 150 %) the stills fill a 228 x 168 box.
TEST(StillPictures, BothDecodeTo152By112AndScaleWithTheDpi) {
    for (int id : {IDR_PREVIEW_BACKGROUND, IDR_PREVIEW_IMAGE}) {
        StillPicture picture;
        ASSERT_TRUE(picture.Load(GetModuleHandleA(nullptr), id)) << id;
        for (const auto& [dpi, width, height] :
             {std::tuple{96, kStillWidth, kStillHeight}, std::tuple{144, 228, 168}}) {
            Pixels canvas(width + 1, height + 1);
            RECT all = {0, 0, width + 1, height + 1};
            FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            picture.Draw(canvas.Dc(), 0, 0, dpi);
            EXPECT_EQ(canvas.At(width, 0), RGB(255, 255, 255)) << id << " at " << dpi;
            EXPECT_EQ(canvas.At(0, height), RGB(255, 255, 255)) << id << " at " << dpi;
            int lit = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) lit += canvas.At(x, y) != kBlack;
            }
            EXPECT_GT(lit, width * height / 10) << id << ": the still shows little";
            EXPECT_NE(canvas.At(width - 1, height - 1), RGB(255, 255, 255)) << id << " at " << dpi;
        }
    }
}

TEST(StillPictures, AMissingResourceGivesNoPictureAndDrawsNothing) {
    StillPicture picture;
    EXPECT_FALSE(picture.Load(GetModuleHandleA(nullptr), 4242));
    Pixels canvas(4, 4);
    RECT all = {0, 0, 4, 4};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    picture.Draw(canvas.Dc(), 0, 0, 96);
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));
}

TEST_F(PreviewInABox, BecomesAChildOfTheBoxAtItsSize) {
    Open(200, 150);
    HWND window = preview_->Handle();
    // NOTE: GetParent would give the owner: WS_POPUP stays beside WS_CHILD.
    EXPECT_EQ(GetAncestor(window, GA_PARENT), box_);
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_CHILD, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Preview Window");
    RECT place = {};
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, box_, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, 200);
    EXPECT_EQ(place.bottom, 150);
    RECT image = {};
    GetWindowRect(preview_->Img_Prev(), &image);
    EXPECT_EQ(image.right - image.left, 200);
    EXPECT_EQ(image.bottom - image.top, 150);
}

TEST_F(PreviewInABox, FillsABoxOfThePicturesSizeExactly) {
    Open(kStillWidth, kStillHeight);
    const auto shot = Screen(kStillWidth, kStillHeight);
    const auto still = Still();
    int unlike = 0;
    for (int y = 0; y < kStillHeight; ++y) {
        for (int x = 0; x < kStillWidth; ++x) unlike += shot->At(x, y) != still->At(x, y);
    }
    EXPECT_EQ(unlike, 0);
}

TEST_F(PreviewInABox, LeavesTheRestOfALargerBoxBlack) {
    const int width = 300;
    const int height = 200;
    Open(width, height);
    const auto shot = Screen(width, height);
    const auto still = Still();
    int unlikeStill = 0;
    int notBlack = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x < kStillWidth && y < kStillHeight) {
                unlikeStill += shot->At(x, y) != still->At(x, y);
            } else {
                notBlack += shot->At(x, y) != kBlack;
            }
        }
    }
    EXPECT_EQ(unlikeStill, 0) << "the picture is not at its natural size at the top-left";
    EXPECT_EQ(notBlack, 0);
}

TEST_F(PreviewInABox, CutsThePictureOffInASmallerBox) {
    const int width = 100;
    const int height = 60;
    Open(width, height);
    const auto shot = Screen(width, height);
    const auto still = Still();
    int unlike = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) unlike += shot->At(x, y) != still->At(x, y);
    }
    EXPECT_EQ(unlike, 0) << "the picture is scaled, not cut";
    RECT place = {};
    GetWindowRect(preview_->Handle(), &place);
    EXPECT_EQ(place.right - place.left, width);
    EXPECT_EQ(place.bottom - place.top, height);
}

TEST_F(PreviewInABox, DestroyingTheBoxEndsTheProgram) {
    Open(kStillWidth, kStillHeight);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    DestroyWindow(box_);
    EXPECT_FALSE(IsWindow(preview_->Handle()));
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        quit = quit || message.message == WM_QUIT;
    EXPECT_TRUE(quit);
}

}  // namespace
