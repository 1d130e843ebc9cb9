// The Command button as a window on a host of the test's own: what it draws,
// read back through WM_PRINTCLIENT, and how its messages and the real
// pointer move it between its frames.
#include "command_skins.h"
#include "command_window_win32.h"
#include "memory_property_store.h"
#include "message_pump_win32.h"
#include "snapshot_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kWideButton = 81;
constexpr int kNarrowButton = 41;
constexpr int kButtonHeight = 25;
constexpr int kHostX = 200;
constexpr int kHostY = 150;
constexpr int kButtonX = 40;
constexpr int kButtonY = 30;
constexpr std::uint32_t kHostColour = 0x146E28;

// A column left of the caption, inside the frame.
constexpr int kFaceColumn = 5;

std::uint32_t Channel(std::uint32_t colour, int shift) {
    return (colour >> shift) & 0xFF;
}

bool Near(std::uint32_t a, std::uint32_t b, std::uint32_t tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int difference = int(Channel(a, shift)) - int(Channel(b, shift));
        if (std::abs(difference) > int(tolerance)) return false;
    }
    return true;
}

std::uint32_t RgbOf(COLORREF colour) {
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// A window's client area as 0xRRGGBB pixels, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y * width + x)]; }

    // Pixels in the caption's band that pass the test.
    template <typename Test>
    int CountInCaption(Test test) const {
        int count = 0;
        for (int y = 4; y < height - 4; ++y) {
            for (int x = 8; x < width - 8; ++x) count += test(At(x, y)) ? 1 : 0;
        }
        return count;
    }
};

Picture Drawn(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    Picture picture;
    picture.width = client.right;
    picture.height = client.bottom;
    PictureSurface surface;
    if (!surface.Resize(picture.width, picture.height, true)) return picture;
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
    const std::uint8_t* rows = surface.Rows();
    picture.pixels.resize(std::size_t(picture.width * picture.height));
    for (int row = 0; row < picture.height; ++row) {
        const std::uint8_t* bottomUp = rows + std::size_t(row) * BitmapStride(picture.width);
        for (int x = 0; x < picture.width; ++x, bottomUp += 3) {
            picture.pixels[std::size_t((picture.height - 1 - row) * picture.width + x)] =
                std::uint32_t(bottomUp[2]) << 16 | std::uint32_t(bottomUp[1]) << 8 | bottomUp[0];
        }
    }
    return picture;
}

// The four-pixel frame against the skin: the corners and the side edges as
// they are, the top and bottom edges stretched from the skin's 56 middle
// columns.
void ExpectFrame(const Picture& drawn, CommandSkin skin) {
    SCOPED_TRACE(std::string(CommandSkinName(skin)));
    const int right = drawn.width - 4;
    int unlike = 0;
    for (int y = 0; y < kButtonHeight; ++y) {
        for (int i = 0; i < 4; ++i) {
            unlike += drawn.At(i, y) != CommandSkinPixel(skin, i, y);
            unlike += drawn.At(right + i, y) != CommandSkinPixel(skin, kSkinPixelWidth - 4 + i, y);
        }
    }
    const int edge = kSkinPixelWidth - 8;
    for (int x = 4; x < right; ++x) {
        const int source = 4 + (x - 4) * edge / (right - 4);
        for (int y : {0, 1, 2, 3, kButtonHeight - 4, kButtonHeight - 3, kButtonHeight - 2,
                      kButtonHeight - 1}) {
            bool found = false;
            for (int at = std::max(4, source - 1); at <= std::min(59, source + 1); ++at) {
                found = found || drawn.At(x, y) == CommandSkinPixel(skin, at, y);
            }
            unlike += !found;
        }
    }
    EXPECT_EQ(unlike, 0);
}

// The face's column from the top of the inside to its bottom, against the
// gradient from white to (198, 197, 215) over the whole height, or the
// other way round.
void ExpectGradient(const Picture& drawn, bool inverted, int column = kFaceColumn) {
    constexpr std::uint32_t kLight = 0xFFFFFF;
    constexpr std::uint32_t kDark = 0xC6C5D7;
    int unlike = 0;
    for (int y = 4; y <= kButtonHeight - 5; ++y) {
        const double t = double(y) / (kButtonHeight - 1);
        std::uint32_t expected = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const double top = Channel(inverted ? kDark : kLight, shift);
            const double bottom = Channel(inverted ? kLight : kDark, shift);
            expected |= std::uint32_t(top + (bottom - top) * t + 0.5) << shift;
        }
        unlike += !Near(drawn.At(column, y), expected, 2);
    }
    EXPECT_EQ(unlike, 0) << std::hex << drawn.At(column, 4) << " .. "
                         << drawn.At(column, kButtonHeight - 5);
}

bool Dark(std::uint32_t colour) {
    return Channel(colour, 16) < 110 && Channel(colour, 8) < 110 && Channel(colour, 0) < 110;
}

// The host: one flat colour, also when printed behind a transparent button.
class HostForm final : public FormWindow {
  protected:
    void OnPaint(HDC dc) override {
        RECT all = {};
        GetClientRect(Handle(), &all);
        HBRUSH brush = CreateSolidBrush(
            RGB(Channel(kHostColour, 16), Channel(kHostColour, 8), Channel(kHostColour, 0)));
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
};

class CommandOnAHost : public ::testing::Test {
  protected:
    // NOTE: one host for all cases: without a window manager Wine waits
    // seconds for every top-level window that goes.
    static void SetUpTestSuite() {
        host_ = new HostForm;
        if (host_->Create(GetModuleHandleA(nullptr), "CommandTestHost", "CommandTestHost",
                          WS_POPUP | WS_CLIPCHILDREN, nullptr)) {
            SetWindowPos(host_->Handle(), HWND_TOPMOST, kHostX, kHostY, 300, 100, SWP_SHOWWINDOW);
        }
    }
    static void TearDownTestSuite() {
        delete host_;
        host_ = nullptr;
    }

    void SetUp() override { ASSERT_NE(host_->Handle(), nullptr); }
    void TearDown() override { button_.reset(); }

    // A button loaded from store, on the host, with its Click counted.
    CommandWindow& Place(int width, const PropertyStore& store = MemoryPropertyStore()) {
        button_ = std::make_unique<CommandWindow>();
        EXPECT_TRUE(button_->Create(GetModuleHandleA(nullptr), host_->Handle(), kButtonX, kButtonY,
                                    width, kButtonHeight, store));
        button_->Click = [this] { ++clicks_; };
        return *button_;
    }

    // An enabled button after Initialize, as the settings dialog has it.
    CommandWindow& PlaceInitialized(int width = kWideButton) {
        CommandWindow& button = Place(width);
        button.Control().Initialize();
        return button;
    }

    HWND Button() const { return button_->Handle(); }
    std::uint8_t State() const { return button_->Control().Fields().ButtonState; }
    Picture Face() const { return Drawn(Button()); }

    void Send(UINT message, WPARAM buttons, int x, int y) {
        SendMessageA(Button(), message, buttons, MAKELPARAM(x, y));
    }
    void MoveInside() { Send(WM_MOUSEMOVE, 0, 40, 12); }
    void PressLeftInside() { Send(WM_LBUTTONDOWN, MK_LBUTTON, 40, 12); }

    POINT ScreenPointOfButton() const {
        POINT middle = {40, 12};
        ClientToScreen(Button(), &middle);
        return middle;
    }

    static HostForm* host_;
    std::unique_ptr<CommandWindow> button_;
    int clicks_ = 0;
};

HostForm* CommandOnAHost::host_ = nullptr;

TEST_F(CommandOnAHost, AWideButtonShowsTheNormalFrameOverTheGradient) {
    Place(kWideButton);
    const Picture face = Face();
    ASSERT_EQ(face.width, kWideButton);
    ASSERT_EQ(face.height, kButtonHeight);
    ExpectFrame(face, CommandSkin::Normal);
    ExpectGradient(face, false);
    ExpectGradient(face, false, kWideButton - 1 - kFaceColumn);
}

TEST_F(CommandOnAHost, ANarrowButtonStretchesTheSameFrameLess) {
    MemoryPropertyStore store;
    store.Put("Caption", std::string("..."));
    Place(kNarrowButton, store);
    const Picture face = Face();
    ASSERT_EQ(face.width, kNarrowButton);
    ExpectFrame(face, CommandSkin::Normal);
    ExpectGradient(face, false);
}

TEST_F(CommandOnAHost, TheCaptionShowsDarkInTheMiddle) {
    MemoryPropertyStore store;
    store.Put("Caption", std::string("\x90\xDD\x92\xE8"));  // 設定
    Place(kWideButton, store);
    const Picture face = Face();
    EXPECT_GT(face.CountInCaption(Dark), 10);
    for (int y = 0; y < kButtonHeight; ++y) EXPECT_FALSE(Dark(face.At(kFaceColumn, y))) << y;
}

TEST_F(CommandOnAHost, TheCaptionTakesTheFontColour) {
    CommandWindow& button = Place(kWideButton);
    button.Control().SetFontColour(0x0000FF);
    UpdateWindow(Button());
    const auto red = [](std::uint32_t colour) {
        return Channel(colour, 16) > 150 && Channel(colour, 8) < 100 && Channel(colour, 0) < 100;
    };
    const Picture face = Face();
    EXPECT_GT(face.CountInCaption(red), 10);
    EXPECT_EQ(face.CountInCaption(Dark), 0);
}

TEST_F(CommandOnAHost, ADisabledButtonShowsTheDisableFrameAndAGreyedCaption) {
    CommandWindow& button = Place(kWideButton);
    button.Control().SetEnabled(false);
    const Picture face = Face();
    ExpectFrame(face, CommandSkin::Disable);
    const std::uint32_t shadow = RgbOf(GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(face.CountInCaption(Dark), 0);
    EXPECT_GT(face.CountInCaption([&](std::uint32_t colour) { return Near(colour, shadow, 30); }),
              10);

    button.Control().SetEnabled(true);
    const Picture enabled = Face();
    ExpectFrame(enabled, CommandSkin::Normal);
    EXPECT_GT(enabled.CountInCaption(Dark), 10);
}

TEST_F(CommandOnAHost, AStoredDisabledButtonIsDrawnDisabledFromTheStart) {
    MemoryPropertyStore store;
    store.Put("Enabled", 0.0);
    Place(kWideButton, store);
    ExpectFrame(Face(), CommandSkin::Disable);
}

TEST_F(CommandOnAHost, ATransparentButtonShowsTheHostBehindItsCaption) {
    MemoryPropertyStore store;
    store.Put("Visible", 0.0);
    CommandWindow& button = Place(kWideButton, store);
    const Picture face = Face();
    for (const POINT at : {POINT{0, 0}, POINT{kFaceColumn, 5}, POINT{kWideButton - 1, 24},
                           POINT{40, 2}, POINT{3, 12}}) {
        EXPECT_EQ(face.At(at.x, at.y), kHostColour) << at.x << ", " << at.y;
    }
    EXPECT_GT(face.CountInCaption(Dark), 10);

    button.Control().SetVisible(1);
    ExpectFrame(Face(), CommandSkin::Normal);
}

TEST_F(CommandOnAHost, HoverInvertsTheGradientUnderTheHighLightFrame) {
    PlaceInitialized();
    MoveInside();
    EXPECT_EQ(State(), kStateHighLight);
    const Picture face = Face();
    ExpectFrame(face, CommandSkin::HighLight);
    ExpectGradient(face, true);
}

TEST_F(CommandOnAHost, MovesBeforeInitializeChangeNothing) {
    Place(kWideButton);
    MoveInside();
    EXPECT_EQ(State(), kStateNone);
    ExpectFrame(Face(), CommandSkin::Normal);
}

TEST_F(CommandOnAHost, ALeftClickInsideTakesTheFocusPressesAndClicksOnce) {
    PlaceInitialized();
    MoveInside();
    PressLeftInside();
    EXPECT_EQ(GetFocus(), Button());
    EXPECT_EQ(GetCapture(), Button());
    EXPECT_EQ(State(), kStateHighLightSelect);
    ExpectFrame(Face(), CommandSkin::Pressed);
    EXPECT_EQ(clicks_, 0);

    Send(WM_LBUTTONUP, 0, 40, 12);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(GetCapture(), nullptr);
    ExpectFrame(Face(), CommandSkin::HighLightSelect);

    SetFocus(host_->Handle());
    EXPECT_EQ(State(), kStateNormal);
    ExpectFrame(Face(), CommandSkin::Normal);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(CommandOnAHost, ALeftReleaseOutsideRaisesNoClick) {
    PlaceInitialized();
    MoveInside();
    PressLeftInside();
    Send(WM_MOUSEMOVE, MK_LBUTTON, 200, 12);
    Send(WM_LBUTTONUP, 0, 200, 12);
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(State(), kStateSelected);
    ExpectFrame(Face(), CommandSkin::Selected);
}

TEST_F(CommandOnAHost, ARightReleaseOverAHoveredButtonClicksWithoutTakingTheFocus) {
    PlaceInitialized();
    MoveInside();
    Send(WM_RBUTTONDOWN, MK_RBUTTON, 40, 12);
    EXPECT_EQ(GetCapture(), Button());
    EXPECT_NE(GetFocus(), Button());
    ExpectFrame(Face(), CommandSkin::HighLight);
    Send(WM_RBUTTONUP, 0, 40, 12);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(GetCapture(), nullptr);

    Send(WM_MBUTTONDOWN, MK_MBUTTON, 40, 12);
    Send(WM_MBUTTONUP, 0, 40, 12);
    EXPECT_EQ(clicks_, 2);
}

TEST_F(CommandOnAHost, ACaptureIsKeptWhileAnotherButtonIsStillDown) {
    PlaceInitialized();
    MoveInside();
    PressLeftInside();
    Send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 40, 12);
    Send(WM_RBUTTONUP, MK_LBUTTON, 40, 12);
    EXPECT_EQ(GetCapture(), Button());
    Send(WM_LBUTTONUP, 0, 40, 12);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(CommandOnAHost, ADisabledButtonNeverClicks) {
    CommandWindow& button = PlaceInitialized();
    button.Control().SetEnabled(false);
    MoveInside();
    PressLeftInside();
    Send(WM_LBUTTONUP, 0, 40, 12);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, 40, 12);
    Send(WM_RBUTTONUP, 0, 40, 12);
    EXPECT_EQ(clicks_, 0);
    ExpectFrame(Face(), CommandSkin::Disable);
}

TEST_F(CommandOnAHost, TheHostMayDestroyTheButtonFromItsClick) {
    PlaceInitialized();
    button_->Click = [this] {
        ++clicks_;
        button_.reset();
    };
    MoveInside();
    PressLeftInside();
    HWND window = Button();
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(40, 12));
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(button_, nullptr);
    EXPECT_FALSE(IsWindow(window));
}

// The pointer itself is moved, so these need the screen to themselves.
TEST_F(CommandOnAHost, TheTickKeepsTheHoverWhileThePointerIsOverTheButton) {
    PlaceInitialized();
    const POINT middle = ScreenPointOfButton();
    ASSERT_TRUE(SetCursorPos(middle.x, middle.y));
    MoveInside();
    PumpMessages(350);
    EXPECT_EQ(State(), kStateHighLight);
    ExpectFrame(Face(), CommandSkin::HighLight);
}

TEST_F(CommandOnAHost, TheTickEndsTheHoverOnceThePointerHasLeft) {
    PlaceInitialized();
    const POINT middle = ScreenPointOfButton();
    ASSERT_TRUE(SetCursorPos(middle.x, middle.y));
    MoveInside();
    ASSERT_TRUE(SetCursorPos(middle.x + 150, middle.y));  // on the host, beside the button
    PumpMessages(350);
    EXPECT_EQ(State(), kStateNormal);
    const Picture face = Face();
    ExpectFrame(face, CommandSkin::Normal);
    ExpectGradient(face, false);
}

TEST_F(CommandOnAHost, AfterTheTickSawThePointerLeaveAHeldPressRaisesNoClick) {
    PlaceInitialized();
    const POINT middle = ScreenPointOfButton();
    ASSERT_TRUE(SetCursorPos(middle.x, middle.y));
    MoveInside();
    PressLeftInside();
    ASSERT_TRUE(SetCursorPos(5, 5));
    PumpMessages(350);
    EXPECT_EQ(State(), kStateSelected);
    ExpectFrame(Face(), CommandSkin::Selected);
    // Back over the button with the button held: no hover, and no click.
    MoveInside();
    Send(WM_LBUTTONUP, 0, 40, 12);
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(State(), kStateSelected);
}

}  // namespace
