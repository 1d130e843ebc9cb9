#include "snapshot_place_win32.h"

#include "handover.h"
#include "system_dll_win32.h"

#include <shlobj.h>

namespace {

// NOTE: shell32 is found at the first call, not imported: it is large, and
// the saver's start-up checks would load it at every start.
std::wstring LocalAppDataFolder() {
    static const auto getFolder = FindSystemFunction<decltype(::SHGetKnownFolderPath)>(
        L"shell32.dll", "SHGetKnownFolderPath");
    static const auto freeText =
        FindSystemFunction<decltype(::CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
    if (!getFolder || !freeText) return std::wstring();
    PWSTR path = nullptr;
    const HRESULT result = getFolder(FOLDERID_LocalAppData, 0, nullptr, &path);
    std::wstring folder = SUCCEEDED(result) && path ? path : L"";
    // Given back whether the call succeeded or not, as it asks.
    freeText(path);
    return folder;
}

}  // namespace

std::wstring SnapshotFolder() {
    const std::wstring appData = LocalAppDataFolder();
    return appData.empty() ? appData : appData + L"\\" + kSnapshotFolderName;
}

std::wstring SnapshotPath() {
    const std::wstring folder = SnapshotFolder();
    return folder.empty() ? folder : folder + L"\\" + kSnapshotFileName;
}
