#include "deferred_imports_win32.h"

#include <olectl.h>
#include <shellapi.h>
#include <wincodec.h>

#include <string>
#include <type_traits>

namespace {

// NOTE: by its full path in the system folder, so that a DLL of the same
// name beside the saver is never loaded in its place.
HMODULE LoadSystemDll(const wchar_t* dll) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
}

// The function name of dll, loading dll on the way; null when either is
// missing. NOTE: through the generic function pointer type, which GCC lets
// stand for any other without a warning.
template <typename Function>
Function* Find(const wchar_t* dll, const char* name) {
    HMODULE module = LoadSystemDll(dll);
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

namespace deferred {

BOOL GetOpenFileNameW(OPENFILENAMEW* chooser) {
    static const auto function =
        Find<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    return function ? function(chooser) : FALSE;
}

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                        INT show) {
    static const auto function = Find<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!function) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
    return function(owner, verb, file, parameters, folder, show);
}

BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                  ULONG mode) {
    static const auto function = Find<decltype(::GradientFill)>(L"msimg32.dll", "GradientFill");
    return function ? function(dc, vertices, vertexCount, mesh, meshCount, mode) : FALSE;
}

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL freeOnRelease, IStream** stream) {
    static const auto function =
        Find<decltype(::CreateStreamOnHGlobal)>(L"ole32.dll", "CreateStreamOnHGlobal");
    return function ? function(memory, freeOnRelease, stream) : E_NOTIMPL;
}

HRESULT OleLoadPicture(IStream* stream, LONG size, BOOL keepOriginalFormat, REFIID interfaceId,
                       void** picture) {
    static const auto function =
        Find<decltype(::OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
    return function ? function(stream, size, keepOriginalFormat, interfaceId, picture) : E_NOTIMPL;
}

HRESULT CoInitializeEx(void* reserved, DWORD model) {
    static const auto function = Find<decltype(::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    return function ? function(reserved, model) : E_NOTIMPL;
}

void CoUninitialize() {
    static const auto function = Find<decltype(::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (function) function();
}

HRESULT CreateWicImagingFactory(IWICImagingFactory** factory) {
    *factory = nullptr;
    static const auto function =
        Find<std::remove_pointer_t<LPFNGETCLASSOBJECT>>(L"windowscodecs.dll", "DllGetClassObject");
    if (!function) return E_NOTIMPL;
    IClassFactory* maker = nullptr;
    HRESULT result =
        function(CLSID_WICImagingFactory, IID_IClassFactory, reinterpret_cast<void**>(&maker));
    if (FAILED(result)) return result;
    result =
        maker->CreateInstance(nullptr, IID_IWICImagingFactory, reinterpret_cast<void**>(factory));
    maker->Release();
    return result;
}

}  // namespace deferred
