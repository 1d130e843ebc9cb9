// Functions of Windows' own DLLs that a program calls on one path only,
// found at the first call instead of through the import table: every DLL
// there is loaded at every start, whichever path the program then takes.
#pragma once

#include <windows.h>

// Loads dll from the system folder; null when it cannot be had. A DLL
// loaded stays for the life of the process.
HMODULE LoadSystemDll(const wchar_t* dll);

// The function name of dll, loading dll on the way; null when either is
// missing. NOTE: through the generic function pointer type, which GCC lets
// stand for any other without a warning.
template <typename Function>
Function* FindSystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadSystemDll(dll);
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
