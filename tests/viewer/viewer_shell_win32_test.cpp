// The viewer's window, loop and GL context driven in-process: real user32,
// gdi32 and opengl32, so what StopViewer gives back is given back to Windows.
#include "handover.h"
#include "snapshot_bitmap.h"
#include "snapshot_image.h"
#include "snapshot_place_win32.h"
#include "viewer_context.h"
#include "viewer_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr UINT_PTR kLateTimer = 27;
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

// The viewer reads the account's one snapshot, so the tests write the real
// file; whatever the profile held before is put back afterwards.
class SnapshotFileGuard {
  public:
    SnapshotFileGuard() {
        CreateDirectoryW(SnapshotFolder().c_str(), nullptr);
        if (std::FILE* file = _wfopen(SnapshotPath().c_str(), L"rb")) {
            had_ = true;
            for (int c; (c = std::fgetc(file)) != EOF;) saved_.push_back(std::uint8_t(c));
            std::fclose(file);
        }
        Remove();
    }
    ~SnapshotFileGuard() {
        if (had_) {
            Write(saved_);
        } else {
            Remove();
        }
    }
    SnapshotFileGuard(const SnapshotFileGuard&) = delete;
    SnapshotFileGuard& operator=(const SnapshotFileGuard&) = delete;

    void Write(const Bytes& bytes) const {
        std::FILE* file = _wfopen(SnapshotPath().c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
    }
    void Remove() const { DeleteFileW(SnapshotPath().c_str()); }

  private:
    bool had_ = false;
    Bytes saved_;
};

Bytes GreyBitmap(int width, int height) {
    const Bytes rgb(std::size_t(width) * std::size_t(height) * 3, 90);
    return EncodeSnapshotBitmap(width, height, rgb.data());
}

Bytes EightBitBitmap() {
    Bytes file = GreyBitmap(8, 8);
    file[28] = 8;
    return file;
}

Bytes TruncatedBitmap() {
    Bytes file = GreyBitmap(512, 512);
    file.resize(file.size() / 2);
    return file;
}

// Messages already queued, dispatched; the WM_QUIT that a destroyed window
// leaves behind is taken out too, so it cannot end the next test's loop.
void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// NOTE: Wine turns the X server's expose and focus events into messages a
// little after the window is mapped; waiting for the queue to stay quiet
// keeps a late WM_PAINT out of the frame counts below.
void SettleWindow() {
    const DWORD deadline = GetTickCount() + 2000;
    DWORD quietSince = GetTickCount();
    while (GetTickCount() < deadline && GetTickCount() - quietSince < 150) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
            quietSince = GetTickCount();
        } else {
            Sleep(5);
        }
    }
}

void CALLBACK QuitOnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
}

void CALLBACK PressKeyOnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageA(FindWindowA(nullptr, kViewerWindowName), WM_KEYDOWN, VK_ESCAPE, 0);
}

// NOTE: the test screen has no window manager, and Wine waits two seconds
// for one to withdraw every window it counts as managed when that window is
// destroyed. Under Wine this program's windows are made unmanaged before the
// first one exists; Windows itself never reads the key.
class UnmanagedWindowsUnderWine : public ::testing::Environment {
  public:
    void SetUp() override {
        if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return;
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, sizeof(path));
        const char* name = std::strrchr(path, '\\');
        const std::string key = std::string("Software\\Wine\\AppDefaults\\") +
                                (name ? name + 1 : path) + "\\X11 Driver";
        RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Managed", REG_SZ, "N", 2);
    }
};

const ::testing::Environment* const kUnmanagedWindows =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindowsUnderWine);

class ViewerShell : public ::testing::Test {
  protected:
    void TearDown() override {
        StopViewer(context);
        if (!window) window = FindWindowA(nullptr, kViewerWindowName);
        if (window && IsWindow(window)) DestroyWindow(window);
        UnregisterClassA(kViewerWindowName, instance);
        DrainMessages();
    }

    void Open() {
        window = OpenViewerWindow(context, instance, client);
        ASSERT_NE(window, nullptr);
        SettleWindow();
    }

    void OpenAndStart() {
        ASSERT_NO_FATAL_FAILURE(Open());
        ASSERT_EQ(StartViewer(context, window, 1024, 768, SnapshotPath()), 0);
        ValidateRect(window, nullptr);
    }

    // Everything StopViewer gives back is gone; the window stays recorded.
    void ExpectNothingHeld() const {
        EXPECT_EQ(context.ready, 0);
        EXPECT_EQ(context.picture.textureName, kNoTextureName);
        EXPECT_EQ(context.picture.rgbPixels, nullptr);
        EXPECT_EQ(context.picture.rgbaPixels, nullptr);
        EXPECT_EQ(context.deviceContext, nullptr);
        EXPECT_EQ(context.glContext, nullptr);
        EXPECT_EQ(context.width, 0);
        EXPECT_EQ(context.height, 0);
        EXPECT_EQ(context.vertexPositions, nullptr);
        EXPECT_EQ(context.indices, nullptr);
        EXPECT_EQ(context.textureCoordinates, nullptr);
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
    }

    // RunViewer leaves neither its window nor its class behind.
    void ExpectWindowAndClassGone() const {
        EXPECT_EQ(FindWindowA(nullptr, kViewerWindowName), nullptr);
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        EXPECT_FALSE(GetClassInfoExA(instance, kViewerWindowName, &windowClass));
    }

    SnapshotFileGuard snapshot;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ViewerContext context;
    HWND window = nullptr;
    SIZE client = {};
};

TEST_F(ViewerShell, WindowIsABorderlessTopmostTopLeft1024By768Popup) {
    ASSERT_NO_FATAL_FAILURE(Open());

    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 768);
    ASSERT_TRUE(GetClientRect(window, &rect));
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 768);

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & ~WS_CLIPSIBLINGS, LONG(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, LONG(WS_EX_TOPMOST));

    char text[64] = {};
    GetWindowTextA(window, text, sizeof(text));
    EXPECT_STREQ(text, "Tesselune_VC");
    GetClassNameA(window, text, sizeof(text));
    EXPECT_STREQ(text, "Tesselune_VC");
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), DWORD(CS_CLASSDC));
    EXPECT_EQ(FindWindowA(nullptr, "Tesselune_VC"), window);
}

TEST_F(ViewerShell, ClientSizeIsTheWindowsOwnWhateverStateItIsShownIn) {
    window = OpenViewerWindow(context, instance, client, SW_SHOWMINIMIZED);
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(client.cx, 1024);
    EXPECT_EQ(client.cy, 768);
}

TEST_F(ViewerShell, PaintBeforeStartOnlyValidatesTheWindow) {
    ASSERT_NO_FATAL_FAILURE(Open());
    context.spinAngle = 42.0f;

    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);

    EXPECT_EQ(context.spinAngle, 42.0f);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

TEST_F(ViewerShell, PaintWhileRunningDrawsOneFrame) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());
    ASSERT_EQ(context.spinAngle, 0.0f);

    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);

    EXPECT_EQ(context.spinAngle, 0.5f);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

TEST_F(ViewerShell, EveryLoopPassDrawsOneFrameHalfADegreeOn) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());

    for (int pass = 1; pass <= 4; ++pass) {
        PostQuitMessage(0);
        EXPECT_EQ(RunMessageLoop(context), 0);
        EXPECT_EQ(context.spinAngle, 0.5f * float(pass)) << "after pass " << pass;
    }
    EXPECT_EQ(context.ready, 1);
}

TEST_F(ViewerShell, LoopDrawsAtSixtyFramesASecondWithoutWaitingForMessages) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());

    ASSERT_NE(SetTimer(nullptr, 0, 400, QuitOnTimer), 0u);
    EXPECT_EQ(RunMessageLoop(context), 0);

    // Nothing but the timer arrives in those 400 ms: a loop that slept until
    // the next message would have drawn a single frame, an unpaced one
    // (under Wine there is no vsync) seventy or more.
    EXPECT_GE(context.spinAngle, 1.5f);
    EXPECT_LE(context.spinAngle, 0.5f * 30);
    EXPECT_EQ(context.spinAngle, 0.5f * float(int(context.spinAngle * 2)));
}

TEST_F(ViewerShell, NothingIsDrawnWhileTheDisplayIsOff) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());
    const auto displayState = [this](DWORD state) {
        alignas(POWERBROADCAST_SETTING) BYTE bytes[sizeof(POWERBROADCAST_SETTING) + 3] = {};
        auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(bytes);
        setting->PowerSetting = kConsoleDisplayState;
        setting->DataLength = sizeof(state);
        std::memcpy(setting->Data, &state, sizeof(state));
        SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, LPARAM(bytes));
    };

    displayState(0);
    InvalidateRect(window, nullptr, FALSE);
    ASSERT_NE(SetTimer(nullptr, 0, 300, QuitOnTimer), 0u);
    EXPECT_EQ(RunMessageLoop(context), 0) << "the loop must still wait for messages";
    EXPECT_EQ(context.spinAngle, 0.0f);

    displayState(2);
    PostQuitMessage(0);
    EXPECT_EQ(RunMessageLoop(context), 0);
    EXPECT_EQ(context.spinAngle, 0.5f) << "a dimmed display is drawn on";
}

TEST_F(ViewerShell, MouseInputAndTheLossOfAnActivationNeverHadEndNothing) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());
    // As for a viewer that Windows started without the foreground.
    context.activated = 0;
    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);

    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                         WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEWHEEL}) {
        PostMessageA(window, message, 0, MAKELPARAM(512, 384));
    }
    PostQuitMessage(0);
    EXPECT_EQ(RunMessageLoop(context), 0);

    EXPECT_EQ(context.ready, 1);
    EXPECT_NE(context.glContext, nullptr);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(context.spinAngle, 0.5f);
}

TEST_F(ViewerShell, KeyStopsDrawingAtOnceAndTheStopReleasesEachResourceOnce) {
    snapshot.Write(GreyBitmap(8, 8));
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());
    HGLRC oldContext = context.glContext;
    ASSERT_NE(oldContext, nullptr);
    ASSERT_EQ(wglGetCurrentContext(), oldContext);
    ASSERT_NE(context.picture.textureName, kNoTextureName);

    PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(RunMessageLoop(context), 0);

    // The key came first in the pass, so its closing frame was not drawn.
    EXPECT_EQ(context.ready, 0);
    EXPECT_EQ(context.spinAngle, 0.0f);
    StopViewer(context);
    ExpectNothingHeld();
    EXPECT_EQ(context.window, window);
    EXPECT_TRUE(IsWindow(window));

    HDC probe = GetDC(window);
    EXPECT_FALSE(wglMakeCurrent(probe, oldContext)) << "the GL context outlived StopViewer";
    wglMakeCurrent(nullptr, nullptr);
    ReleaseDC(window, probe);

    StopViewer(context);
    ExpectNothingHeld();
    RenderFrame(context);
    EXPECT_EQ(context.spinAngle, 0.0f);
}

TEST_F(ViewerShell, ExitCodeIsTheQuitCodeEvenWhenMessagesFollowIt) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());

    // A due timer is handed out after WM_QUIT, in the same drain of the
    // queue: the loop must not report the timer's wParam.
    ASSERT_NE(SetTimer(window, kLateTimer, USER_TIMER_MINIMUM, nullptr), 0u);
    Sleep(50);
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);

    EXPECT_EQ(RunMessageLoop(context), 0);
    KillTimer(window, kLateTimer);
}

TEST_F(ViewerShell, RunViewerEndsWithCodeZeroOnAKey) {
    const UINT_PTR key = SetTimer(nullptr, 0, 300, PressKeyOnTimer);
    ASSERT_NE(key, 0u);

    EXPECT_EQ(RunViewer(context, instance), 0);
    KillTimer(nullptr, key);

    ExpectNothingHeld();
    ExpectWindowAndClassGone();
    EXPECT_GT(context.spinAngle, 0.0f);
}

class RejectedSnapshot : public ViewerShell, public ::testing::WithParamInterface<Bytes (*)()> {};

TEST_P(RejectedSnapshot, FailsTheStartBeforeAnyGLContextIsMade) {
    snapshot.Write(GetParam()());
    ASSERT_NO_FATAL_FAILURE(Open());
    context.spinAngle = 7.0f;

    EXPECT_EQ(StartViewer(context, window, 1024, 768, SnapshotPath()), 1);

    // Without a StopViewer: nothing was asked of the window at all.
    EXPECT_EQ(context.window, nullptr);
    ExpectNothingHeld();
    EXPECT_EQ(context.picture.width, 0);
    EXPECT_TRUE(IsWindow(window));
    RenderFrame(context);
    EXPECT_EQ(context.spinAngle, 7.0f);
}

TEST_P(RejectedSnapshot, RunViewerReturnsZeroWithoutEnteringTheLoop) {
    snapshot.Write(GetParam()());
    // Only so that a viewer which wrongly went on would come back at all.
    const UINT_PTR safety = SetTimer(nullptr, 0, 3000, QuitOnTimer);

    EXPECT_EQ(RunViewer(context, instance), 0);
    KillTimer(nullptr, safety);

    ExpectNothingHeld();
    ExpectWindowAndClassGone();
    EXPECT_EQ(context.spinAngle, 0.0f) << "frames were drawn after a rejected start";
}

// Alt (and so Alt+F4), a WM_CLOSE from outside and, once active, the loss of
// the activation: each stops drawing at once and ends the loop, and leaves
// the window to go after the GL context has been given back.
class EndingMessage : public ViewerShell, public ::testing::WithParamInterface<UINT> {};

TEST_P(EndingMessage, EndsTheRunWithTheWindowLeftForAfterTheStop) {
    ASSERT_NO_FATAL_FAILURE(OpenAndStart());
    SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);

    PostMessageA(window, GetParam(), GetParam() == WM_SYSKEYDOWN ? VK_MENU : FALSE, 0);
    EXPECT_EQ(RunMessageLoop(context), 0);

    EXPECT_EQ(context.ready, 0);
    EXPECT_EQ(context.spinAngle, 0.0f);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_NE(context.glContext, nullptr);
    StopViewer(context);
    ExpectNothingHeld();
}

INSTANTIATE_TEST_SUITE_P(SystemKeyCloseAndDeactivation, EndingMessage,
                         ::testing::Values(UINT(WM_SYSKEYDOWN), UINT(WM_CLOSE),
                                           UINT(WM_ACTIVATEAPP)));

INSTANTIATE_TEST_SUITE_P(EightBitAndTruncated, RejectedSnapshot,
                         ::testing::Values(&EightBitBitmap, &TruncatedBitmap));

}  // namespace
