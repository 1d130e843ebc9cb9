// The few functions of DLLs that only one mode of the saver calls: the file
// chooser and the shell (the settings dialog), the gradient fill (the
// Command button, on the dialog), OLE's picture decoding (the preview), and
// COM with the Windows Imaging Component (a run that cannot photograph the
// desktop and decodes the wallpaper instead).
// Each DLL is loaded from the system folder at the first call into it, not
// when the program starts, so that the run and the start-up checks start
// without them. A DLL loaded stays for the life of the process. Were a DLL or function missing,
// each call fails as the function itself fails.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <objidl.h>

struct IWICImagingFactory;

namespace deferred {

BOOL GetOpenFileNameW(OPENFILENAMEW* chooser);
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                        INT show);
BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                  ULONG mode);
HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL freeOnRelease, IStream** stream);
HRESULT OleLoadPicture(IStream* stream, LONG size, BOOL keepOriginalFormat, REFIID interfaceId,
                       void** picture);
HRESULT CoInitializeEx(void* reserved, DWORD model);
void CoUninitialize();
// The imaging component's factory, made by windowscodecs.dll of the system
// folder itself rather than by whichever DLL the registry names for it.
HRESULT CreateWicImagingFactory(IWICImagingFactory** factory);

}  // namespace deferred
