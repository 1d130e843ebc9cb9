#include "start_up_win32.h"

#include "ansi_text_win32.h"
#include "command_line.h"
#include "command_line_win32.h"
#include "guarded_step.h"
#include "path_routines_win32.h"
#include "preview_window_win32.h"
#include "run_window_win32.h"
#include "settings_dialog_win32.h"
#include "settings_file_win32.h"
#include "snapshot_file_win32.h"

#include <string>

namespace {

constexpr char kSettingsDialogName[] = "<Tesselune>";
// "Tesselune.dll が同じﾌｫﾙﾀﾞに見つかりません！"
constexpr wchar_t kViewerMissing[] =
    L"Tesselune.dll "
    L"\u304C\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u306B\u898B\u3064\u304B\u308A\u307E\u305B"
    L"\u3093\uFF01";
constexpr wchar_t kApplicationTitle[] = L"Tesselune";

// Lives from load until the preview box unloads it.
PreviewWindow Tesselune_R;

// Ends the process at once: no window's closing handlers run.
[[noreturn]] void EndProgram() {
    ExitProcess(0);
}

void Preview(HINSTANCE instance) {
    HWND host = nullptr;
    GuardedStep([&] {
        host = reinterpret_cast<HWND>(static_cast<INT_PTR>(PreviewHostHandle(ArgumentString())));
    });
    // NOTE: without a box to live in, the preview could never be unloaded
    // and the process would stay behind unseen.
    if (!IsWindow(host)) EndProgram();
    RECT box = {};
    // A box that cannot be measured gives the size 0 x 0.
    if (!GetWindowRect(host, &box)) box = RECT{};
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (!Tesselune_R.Load(instance)) EndProgram();
    ShowPreviewIn(Tesselune_R, host, width, height);
}

}  // namespace

void Main(HINSTANCE instance) {
    // Before any text is read: the command line, the profile file, the file
    // chooser and MCI all hand over bytes of the machine's code page.
    UseMachineAnsiLeadBytes();
    const bool running = FindWindowA(nullptr, kRunWindowName) != nullptr;
    const bool configuring = FindWindowA(nullptr, kSettingsDialogName) != nullptr;
    if (running || configuring) EndProgram();

    std::string letter;
    GuardedStep([&] { letter = ModeLetter(ArgumentString()); });
    if (letter == "P") {
        Preview(instance);
        return;
    }

    GuardedStep([] { MakeSnapshotFolder(); });
    LoadSettings();
    GuardedStep([] {
        if (FileExists(ViewerPath())) return;
        MessageBoxW(nullptr, kViewerMissing, kApplicationTitle, MB_OK);
        EndProgram();
    });
    if (letter == "C") {
        GuardedStep([&] { ShowSettingsDialog(instance); });
        EndProgram();
    }
    GuardedStep([&] {
        if (letter != "S" && !ArgumentString().empty()) EndProgram();
    });
    if (!LoadRunWindow(instance, letter == "S")) EndProgram();
}
