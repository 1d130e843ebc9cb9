#include "run_window_win32.h"

#include "cover_window_win32.h"
#include "form_window_win32.h"
#include "guarded_step.h"
#include "handover.h"
#include "message_loop_win32.h"
#include "music_playback.h"
#include "owned_handle_win32.h"
#include "path_routines_win32.h"
#include "per_monitor_dpi_win32.h"
#include "picture_surface_win32.h"
#include "settings.h"
#include "snapshot_capture_win32.h"
#include "snapshot_place_win32.h"
#include "viewer_watch.h"
#include "window_timer_win32.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr char kClassName[] = "Tesselune_S";

enum TimerId : UINT_PTR { kMusicTimer = 1, kTimer3 };

// Sent by the message loop the moment the viewer's process has ended.
constexpr UINT kViewerEnded = WM_APP;

// The viewer's process, started by path with no arguments and not waited
// for; empty when it could not be started.
// NOTE: started suspended, so that the right to take the foreground, where
// Windows gave it to the saver, is passed on before the viewer can show its
// window: the keys then go to it rather than stay with the program the user
// left.
OwnedHandle StartViewerProcess(const std::string& path) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    std::string commandLine = '"' + path + '"';
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, nullptr, &startup, &process)) {
        return OwnedHandle();
    }
    AllowSetForegroundWindow(process.dwProcessId);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    return OwnedHandle(process.hProcess);
}

class RunWindow final : public FormWindow {
  public:
    bool Load(HINSTANCE instance, bool hideCursor);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;
    void OnCloseRequest() override;

  private:
    void StartViewer();
    void LookForViewer();
    void StartMusic();

    PictureSurface Pic_1;
    PictureSurface Pic_2;
    CoverWindow cover_;
    // Made at load, from the settings: what plays, and how often it asks to
    // be polled.
    std::optional<MusicPlayback> music_;
    std::optional<WindowTimer> musicTimer_;
    WindowTimer Timer3{kTimer3, 500};
    OwnedHandle viewer_;
    ULONGLONG viewerStart_ = 0;
    ViewerWatch viewerWatch_;
    bool cursorHidden_ = false;
};

bool RunWindow::Load(HINSTANCE instance, bool hideCursor) {
    if (hideCursor) {
        ShowCursor(FALSE);
        cursorHidden_ = true;
    }
    // The run window, the capture and the cover in physical pixels.
    const PerMonitorDpiScope perMonitor;
    if (!Create(instance, kClassName, kRunWindowName, WS_POPUP, nullptr)) return false;
    Timer3.Attach(Handle());

    MoveWindow(Handle(), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), FALSE);
    RECT inner = {};
    GetClientRect(Handle(), &inner);
    Pic_2.Resize(inner.right - inner.left, inner.bottom - inner.top, false);
    Pic_1.Resize(kSnapshotSide, kSnapshotSide, true);
    CaptureScreen(Pic_1, Pic_2.Width(), Pic_2.Height());
    GuardedStep([&] { SaveSnapshot(Pic_1, SnapshotPath()); });
    // After the capture, so the snapshot never holds it.
    cover_.Show(instance, Handle());
    // Only now, with the file complete, may the viewer read it.
    GuardedStep([&] { StartViewer(); });
    Timer3.SetEnabled(true);
    GuardedStep([&] { StartMusic(); });
    return true;
}

void RunWindow::StartViewer() {
    viewer_ = StartViewerProcess(ViewerPath());
    viewerStart_ = GetTickCount64();
    if (viewer_) WatchHandle(viewer_.Get(), Handle(), kViewerEnded);
}

void RunWindow::LookForViewer() {
    const bool ended = !viewer_ || WaitForSingleObject(viewer_.Get(), 0) != WAIT_TIMEOUT;
    const bool windowThere = FindWindowA(nullptr, kViewerWindowName) != nullptr;
    switch (viewerWatch_.Look(std::int64_t(GetTickCount64() - viewerStart_), windowThere, ended)) {
        case ViewerVerdict::kWatching:
            return;
        case ViewerVerdict::kNeverShowed:
            // Left running, it would show up alone later, beside the desktop.
            TerminateProcess(viewer_.Get(), 1);
            break;
        case ViewerVerdict::kGone:
            break;
    }
    Timer3.SetEnabled(false);
    // Unloading the window raises the close request.
    OnCloseRequest();
}

void RunWindow::StartMusic() {
    music_.emplace(BgmKind, BgmRepeat, BgmFile);
    music_->Start();
    if (!music_->Polling()) return;
    musicTimer_.emplace(kMusicTimer, music_->PollInterval());
    musicTimer_->Attach(Handle());
    musicTimer_->SetEnabled(true);
}

void RunWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case kMusicTimer:
            music_->Poll();
            musicTimer_->SetEnabled(music_->Polling());
            break;
        case kTimer3:
            LookForViewer();
            break;
    }
}

LRESULT RunWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kViewerEnded) return FormWindow::OnMessage(message, wParam, lParam);
    Timer3.SetEnabled(false);
    OnCloseRequest();
    return 0;
}

// The end sequence; it always ends the program, without unwinding anything.
void RunWindow::OnCloseRequest() {
    // First, so that black does not stay while the music stops.
    cover_.Hide();
    // The timer goes before the music stops, so no poll can start it again.
    if (musicTimer_) musicTimer_->SetEnabled(false);
    if (music_) music_->Stop();
    if (cursorHidden_) ShowCursor(TRUE);
    ExitProcess(0);
}

// Lives until the end sequence ends the process.
RunWindow Tesselune_S;

}  // namespace

bool LoadRunWindow(HINSTANCE instance, bool hideCursor) {
    return Tesselune_S.Load(instance, hideCursor);
}
