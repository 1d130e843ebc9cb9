#include "system_dll_win32.h"

#include <string>

// NOTE: by its full path in the system folder, so that a DLL of the same
// name beside the program is never loaded in its place.
HMODULE LoadSystemDll(const wchar_t* dll) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
}
