#include "run_window_win32.h"

#include "cover_window_win32.h"
#include "form_window_win32.h"
#include "guarded_step.h"
#include "handover.h"
#include "music_file_ending.h"
#include "music_playback.h"
#include "path_routines_win32.h"
#include "picture_surface_win32.h"
#include "saver_boolean.h"
#include "settings.h"
#include "snapshot_capture_win32.h"
#include "window_timer_win32.h"

#include <cstdint>
#include <string>

namespace {

constexpr char kClassName[] = "Tesselune_S";

enum TimerId : UINT_PTR { kTimer1 = 1, kTimer2, kTimer3 };

// Runs a program by path with no arguments and does not wait for it.
void StartProgram(const std::string& path, WORD show) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    std::string commandLine = '"' + path + '"';
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

class RunWindow final : public FormWindow {
  public:
    bool Load(HINSTANCE instance, bool cursorHidden);

  protected:
    void OnTimer(UINT_PTR id) override;
    void OnCloseRequest() override;

  private:
    void StartMusic();

    PictureSurface Pic_1;
    PictureSurface Pic_2;
    CoverWindow cover_;
    WindowTimer Timer1{kTimer1, 1000};
    WindowTimer Timer2{kTimer2, 200};
    WindowTimer Timer3{kTimer3, 500};
    bool cursorHidden_ = false;
};

bool RunWindow::Load(HINSTANCE instance, bool cursorHidden) {
    cursorHidden_ = cursorHidden;
    if (!Create(instance, kClassName, kRunWindowName, WS_POPUP, nullptr)) return false;
    Timer1.Attach(Handle());
    Timer2.Attach(Handle());
    Timer3.Attach(Handle());

    GuardedStep([&] {
        MoveWindow(Handle(), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                   FALSE);
    });
    GuardedStep([&] {
        RECT inner = {};
        GetClientRect(Handle(), &inner);
        Pic_2.Resize(inner.right - inner.left, inner.bottom - inner.top, false);
    });
    GuardedStep([&] { Pic_1.Resize(kSnapshotSide, kSnapshotSide, true); });
    GuardedStep([&] { CaptureScreen(Pic_1, Pic_2.Width(), Pic_2.Height()); });
    GuardedStep([&] { SaveSnapshot(Pic_1, kSnapshotPath); });
    // After the capture, so the snapshot never holds it.
    GuardedStep([&] { cover_.Show(instance, Handle()); });
    // Only now, with the file complete, may the viewer read it.
    GuardedStep([&] { StartProgram(ViewerPath(), SW_SHOWNORMAL); });
    // NOTE: the watch starts with the viewer, not with the load: its first
    // tick ends a run whose viewer has no window yet, and the capture, the
    // save and the cover must not eat into the viewer's half second.
    GuardedStep([&] { Timer3.SetEnabled(true); });
    GuardedStep([&] { StartMusic(); });
    return true;
}

void RunWindow::StartMusic() {
    if (BgmKind == kAudioCd) {
        CdOpen();
        Timer2.SetEnabled(true);
    } else if (BgmKind == kMusicFile) {
        const std::string ending = MusicFileEnding(BgmFile);
        if (ending == kWavEnding) WavPlay();
        if (ending == kMp3Ending) {
            Mp3Play();
            Timer1.SetEnabled(true);
        }
    }
}

void RunWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case kTimer1:
            GuardedStep([] { Mp3Poll(); });
            break;
        case kTimer2:
            GuardedStep([] { CdPoll(); });
            GuardedStep([&] { Timer2.SetEnabled(CdReady != kSaverFalse); });
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
    GuardedStep([&] {
        if (Timer2.Enabled()) {
            Timer2.SetEnabled(false);
            CdStop();
        }
    });
    GuardedStep([&] {
        if (BgmKind != kMusicFile) return;
        const std::string ending = MusicFileEnding(BgmFile);
        if (ending == kWavEnding) WavStop();
        if (ending == kMp3Ending) {
            Timer1.SetEnabled(false);
            Mp3Stop();
        }
    });
    GuardedStep([&] {
        if (cursorHidden_) ShowCursor(TRUE);
    });
    ExitProcess(0);
}

// Lives until the end sequence ends the process.
RunWindow Tesselune_S;

}  // namespace

bool LoadRunWindow(HINSTANCE instance, bool cursorHidden) {
    return Tesselune_S.Load(instance, cursorHidden);
}
