#include "per_monitor_dpi_win32.h"

namespace {

using SetThreadDpiAwarenessContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

// NOTE: looked up, not imported: Windows before 10 (1607) lacks it, and a
// missing import would keep the saver from starting at all. user32 is
// loaded already, being imported. Through the generic function pointer
// type, which GCC lets stand for any other without a warning.
SetThreadDpiAwarenessContextFunction SetThreadDpiAwarenessContextOrNull() {
    static const auto function =
        reinterpret_cast<SetThreadDpiAwarenessContextFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    return function;
}

}  // namespace

PerMonitorDpiScope::PerMonitorDpiScope() {
    if (const auto set = SetThreadDpiAwarenessContextOrNull()) {
        // Null where Windows does not know the v2 context (before 1703).
        former_ = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
}

PerMonitorDpiScope::~PerMonitorDpiScope() {
    if (former_) SetThreadDpiAwarenessContextOrNull()(former_);
}
