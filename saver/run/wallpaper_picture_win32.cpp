#include "wallpaper_picture_win32.h"

#include "deferred_imports_win32.h"

#include <wincodec.h>

namespace {

// One COM object, released once when it goes.
template <typename Object>
class Held {
  public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (object_) object_->Release();
    }
    Object** Out() { return &object_; }
    Object* operator->() const { return object_; }
    Object* Get() const { return object_; }

  private:
    Object* object_ = nullptr;
};

template <typename Object>
void ReleaseOnce(Object*& object) {
    if (object) object->Release();
    object = nullptr;
}

}  // namespace

WallpaperPicture::WallpaperPicture() {
    // NOTE: S_FALSE too means this thread had joined already, and must
    // leave as many times as it joined.
    joinedCom_ = SUCCEEDED(deferred::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

WallpaperPicture::~WallpaperPicture() {
    Release();
    if (joinedCom_) deferred::CoUninitialize();
}

void WallpaperPicture::Release() {
    ReleaseOnce(frame_);
    ReleaseOnce(decoder_);
    ReleaseOnce(factory_);
    width_ = 0;
    height_ = 0;
}

bool WallpaperPicture::Open(const wchar_t* path) {
    Release();
    UINT width = 0;
    UINT height = 0;
    // The format is the file's, whatever its name says: the wallpaper that
    // Windows keeps as its current one has no ending at all.
    const bool opened =
        SUCCEEDED(deferred::CreateWicImagingFactory(&factory_)) &&
        SUCCEEDED(factory_->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                      WICDecodeMetadataCacheOnDemand, &decoder_)) &&
        SUCCEEDED(decoder_->GetFrame(0, &frame_)) && SUCCEEDED(frame_->GetSize(&width, &height)) &&
        width <= kMaxWallpaperSide && height <= kMaxWallpaperSide;
    if (!opened) {
        Release();
        return false;
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    return true;
}

std::vector<std::uint8_t> WallpaperPicture::Read(const WallpaperRect& source, int width,
                                                 int height) const {
    if (!frame_ || width <= 0 || height <= 0) return {};
    Held<IWICFormatConverter> converter;
    Held<IWICBitmapClipper> clipper;
    Held<IWICBitmapScaler> scaler;
    const WICRect part{source.x, source.y, source.width, source.height};
    const UINT stride = static_cast<UINT>(width) * 4;
    std::vector<std::uint8_t> pixels(std::size_t{stride} * static_cast<UINT>(height));
    const bool read =
        SUCCEEDED(factory_->CreateFormatConverter(converter.Out())) &&
        SUCCEEDED(converter->Initialize(frame_, GUID_WICPixelFormat32bppBGR,
                                        WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(factory_->CreateBitmapClipper(clipper.Out())) &&
        SUCCEEDED(clipper->Initialize(converter.Get(), &part)) &&
        SUCCEEDED(factory_->CreateBitmapScaler(scaler.Out())) &&
        SUCCEEDED(scaler->Initialize(clipper.Get(), static_cast<UINT>(width),
                                     static_cast<UINT>(height), WICBitmapInterpolationModeFant)) &&
        SUCCEEDED(
            scaler->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()));
    if (!read) pixels.clear();
    return pixels;
}
