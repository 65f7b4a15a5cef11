#include "win32/TipPictures.h"

#include <wincodec.h>

#include <stdexcept>

#include "core/ports/PlatformError.h"
#include "win32/resource.h"

namespace corvallo::win32 {
namespace {

// A COM interface pointer released at the end of its scope.
template <class Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_ != nullptr) {
            p_->Release();
        }
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* operator->() const { return p_; }
    Interface* get() const { return p_; }
    Interface** put() { return &p_; }

  private:
    Interface* p_ = nullptr;
};

void check(HRESULT result, const char* step) {
    if (FAILED(result)) {
        throw PlatformError(static_cast<long>(result), step);
    }
}

// The picture above 1.25 times the 96-DPI size comes from the double-size
// PNG, so that it stays sharp at 150% and 200%; both are only ever scaled down.
int resourceIdFor(int tipIndex, int width) {
    constexpr int kBaseWidth = 100;
    const bool large = width * 4 > kBaseWidth * 5;
    return (large ? IDR_TIP2X_BASE : IDR_TIP_BASE) + tipIndex;
}

// 24 bits a pixel and no alpha channel: a static control (SS_BITMAP) of
// common controls v6 makes a private copy of any bitmap with alpha values, and
// that copy would leak every time the picture changes.
HBITMAP decodePng(HINSTANCE instance, int resourceId, int width, int height) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "tip picture resource");
    }
    const DWORD size = SizeofResource(instance, found);

    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put())),
          "WIC factory");
    ComPtr<IWICStream> stream;
    check(factory->CreateStream(stream.put()), "WIC stream");
    check(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), size),
          "WIC stream");
    ComPtr<IWICBitmapDecoder> decoder;
    check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                           decoder.put()),
          "PNG decoder");
    ComPtr<IWICBitmapFrameDecode> frame;
    check(decoder->GetFrame(0, frame.put()), "PNG frame");

    // Scaled in premultiplied colour so that edges blend correctly; the Fant
    // filter averages every source pixel that falls into a target pixel.
    ComPtr<IWICFormatConverter> premultiplied;
    check(factory->CreateFormatConverter(premultiplied.put()), "converter");
    check(
        premultiplied->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                  WICBitmapDitherTypeNone, nullptr, 0, WICBitmapPaletteTypeCustom),
        "converter");
    ComPtr<IWICBitmapScaler> scaler;
    check(factory->CreateBitmapScaler(scaler.put()), "scaler");
    check(scaler->Initialize(premultiplied.get(), static_cast<UINT>(width),
                             static_cast<UINT>(height), WICBitmapInterpolationModeFant),
          "scaler");
    ComPtr<IWICFormatConverter> opaque;
    check(factory->CreateFormatConverter(opaque.put()), "converter");
    check(opaque->Initialize(scaler.get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                             nullptr, 0, WICBitmapPaletteTypeCustom),
          "converter");

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows, as WIC delivers them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "picture bitmap");
    }
    // DIB rows are padded to whole 32-bit words.
    const UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3U;
    const HRESULT copied = opaque->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                                              static_cast<BYTE*>(bits));
    if (FAILED(copied)) {
        DeleteObject(bitmap);
        check(copied, "picture pixels");
    }
    return bitmap;
}

}  // namespace

TipPictures::~TipPictures() {
    clear();
}

HBITMAP TipPictures::picture(int tipIndex, int width, int height) {
    if (tipIndex < 1 || tipIndex > static_cast<int>(bitmaps_.size())) {
        throw std::out_of_range("tip picture index");
    }
    if (width != width_ || height != height_) {
        clear();
        width_ = width;
        height_ = height;
    }
    HBITMAP& bitmap = bitmaps_[static_cast<std::size_t>(tipIndex - 1)];
    if (bitmap == nullptr) {
        bitmap = decodePng(instance_, resourceIdFor(tipIndex, width), width, height);
    }
    return bitmap;
}

// Only call when no picture box shows one of the bitmaps any more, or right
// before each of them gets a new one (see MainWindow::onDpiChanged).
void TipPictures::clear() {
    for (HBITMAP& bitmap : bitmaps_) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

}  // namespace corvallo::win32
