#include "deferred_imports_win32.h"

#include "system_dll_win32.h"

#include <olectl.h>
#include <shellapi.h>
#include <wincodec.h>

#include <type_traits>

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

HRESULT CoInitializeEx(void* reserved, DWORD model) {
    static const auto function =
        FindSystemFunction<decltype(::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    return function ? function(reserved, model) : E_NOTIMPL;
}

void CoUninitialize() {
    static const auto function =
        FindSystemFunction<decltype(::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (function) function();
}

HRESULT CreateWicImagingFactory(IWICImagingFactory** factory) {
    *factory = nullptr;
    static const auto function = FindSystemFunction<std::remove_pointer_t<LPFNGETCLASSOBJECT>>(
        L"windowscodecs.dll", "DllGetClassObject");
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
