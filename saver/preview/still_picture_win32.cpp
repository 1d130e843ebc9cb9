#include "still_picture_win32.h"
#include "deferred_imports_win32.h"
#include "dpi_scale.h"
#include "picture_surface_win32.h"

#include <cstring>

StillPicture::~StillPicture() {
    Release();
}

void StillPicture::Release() {
    if (picture_) picture_->Release();
    picture_ = nullptr;
}

bool StillPicture::Load(HMODULE module, int resourceId) {
    Release();
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = resource ? SizeofResource(module, resource) : 0;
    if (!data || size == 0) return false;

    // The loader reads from a stream, and a stream over memory wants its own
    // movable block; the stream frees it.
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return false;
    void* target = GlobalLock(copy);
    if (!target) {
        GlobalFree(copy);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(deferred::CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return false;
    }
    const HRESULT loadedPicture = deferred::OleLoadPicture(stream, LONG(size), FALSE, IID_IPicture,
                                                           reinterpret_cast<void**>(&picture_));
    stream->Release();
    if (FAILED(loadedPicture)) picture_ = nullptr;
    return picture_ != nullptr;
}

void StillPicture::Draw(HDC dc, int x, int y, int dpi) const {
    OLE_HANDLE handle = 0;
    if (!picture_ || FAILED(picture_->get_Handle(&handle))) return;
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP shape = {};
    if (!GetObjectA(bitmap, sizeof(shape), &shape)) return;
    HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    HGDIOBJ former = SelectObject(source, bitmap);
    CopyPicture(dc, x, y, ScaleToDpi(shape.bmWidth, dpi), ScaleToDpi(shape.bmHeight, dpi), source,
                shape.bmWidth, shape.bmHeight);
    SelectObject(source, former);
    DeleteDC(source);
}
