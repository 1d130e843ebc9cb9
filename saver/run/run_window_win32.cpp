#include "run_window_win32.h"

#include "cover_window_win32.h"
#include "form_window_win32.h"
#include "guarded_step.h"
#include "handover.h"
#include "music_playback.h"
#include "path_routines_win32.h"
#include "per_monitor_dpi_win32.h"
#include "picture_surface_win32.h"
#include "settings.h"
#include "snapshot_capture_win32.h"
#include "window_timer_win32.h"

#include <optional>
#include <string>

namespace {

constexpr char kClassName[] = "Tesselune_S";

enum TimerId : UINT_PTR { kMusicTimer = 1, kTimer3 };

// Runs a program by path with no arguments and does not wait for it; its
// process id, or 0 when it could not be started.
DWORD StartProgram(const std::string& path, WORD show) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    std::string commandLine = '"' + path + '"';
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return 0;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
}

class RunWindow final : public FormWindow {
  public:
    bool Load(HINSTANCE instance, bool hideCursor);

  protected:
    void OnTimer(UINT_PTR id) override;
    void OnCloseRequest() override;

  private:
    void StartMusic();

    PictureSurface Pic_1;
    PictureSurface Pic_2;
    CoverWindow cover_;
    // Made at load, from the settings: what plays, and how often it asks to
    // be polled.
    std::optional<MusicPlayback> music_;
    std::optional<WindowTimer> musicTimer_;
    WindowTimer Timer3{kTimer3, 500};
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
    GuardedStep([&] { SaveSnapshot(Pic_1, kSnapshotPath); });
    // After the capture, so the snapshot never holds it.
    cover_.Show(instance, Handle());
    // Only now, with the file complete, may the viewer read it.
    GuardedStep([&] {
        // NOTE: the right to take the foreground, where Windows gave it to
        // the saver, is passed on to the viewer, so that the keys go to it
        // rather than stay with the program the user left.
        if (const DWORD viewer = StartProgram(ViewerPath(), SW_SHOWNORMAL)) {
            AllowSetForegroundWindow(viewer);
        }
    });
    // NOTE: the watch starts with the viewer, not with the load: its first
    // tick ends a run whose viewer has no window yet, and the capture, the
    // save and the cover must not eat into the viewer's half second.
    Timer3.SetEnabled(true);
    GuardedStep([&] { StartMusic(); });
    return true;
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
            if (!FindWindowA(nullptr, kViewerWindowName)) {
                Timer3.SetEnabled(false);
                // Unloading the window raises the close request.
                OnCloseRequest();
            }
            break;
    }
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
