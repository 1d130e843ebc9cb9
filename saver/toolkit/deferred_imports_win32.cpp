#include "deferred_imports_win32.h"

#include "system_dll_win32.h"

#include <olectl.h>
#include <shellapi.h>

namespace deferred {

BOOL GetOpenFileNameW(OPENFILENAMEW* chooser) {
    static const auto function =
        FindSystemFunction<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    return function ? function(chooser) : FALSE;
}

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                        INT show) {
    static const auto function =
        FindSystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!function) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
    return function(owner, verb, file, parameters, folder, show);
}

BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                  ULONG mode) {
    static const auto function =
        FindSystemFunction<decltype(::GradientFill)>(L"msimg32.dll", "GradientFill");
    return function ? function(dc, vertices, vertexCount, mesh, meshCount, mode) : FALSE;
}

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL freeOnRelease, IStream** stream) {
    static const auto function = FindSystemFunction<decltype(::CreateStreamOnHGlobal)>(
        L"ole32.dll", "CreateStreamOnHGlobal");
    return function ? function(memory, freeOnRelease, stream) : E_NOTIMPL;
}

HRESULT OleLoadPicture(IStream* stream, LONG size, BOOL keepOriginalFormat, REFIID interfaceId,
                       void** picture) {
    static const auto function =
        FindSystemFunction<decltype(::OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
    return function ? function(stream, size, keepOriginalFormat, interfaceId, picture) : E_NOTIMPL;
}

}  // namespace deferred
