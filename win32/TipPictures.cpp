#include "win32/TipPictures.h"

#include <cstdint>
#include <stdexcept>

#include "core/ports/PlatformError.h"
#include "win32/PictureScaling.h"
#include "win32/PngDecoder.h"
#include "win32/resource.h"

namespace corvallo::win32 {
namespace {

// The picture above 1.25 times the 96-DPI size comes from the double-size
// PNG, so that it stays sharp at 150% and 200%; a picture is scaled down, or
// up by at most a quarter.
int resourceIdFor(int tipIndex, int width) {
    constexpr int kBaseWidth = 100;
    const bool large = width * 4 > kBaseWidth * 5;
    return (large ? IDR_TIP2X_BASE : IDR_TIP_BASE) + tipIndex;
}

// 24 bits a pixel and no alpha channel: a static control (SS_BITMAP) of
// common controls v6 makes a private copy of any bitmap with alpha values, and
// that copy would leak every time the picture changes. The picture is laid
// over black before it is scaled, so that its transparent corners do not
// bleed into the colours beside them.
HBITMAP decodePng(HINSTANCE instance, int resourceId, int width, int height) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "tip picture resource");
    }
    const DWORD size = SizeofResource(instance, found);
    const Pixels rgb = scaledByArea(
        overBlack(decodePngRgba(static_cast<const std::uint8_t*>(data), size)), width, height);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "picture bitmap");
    }
    // DIB rows are padded to whole 32-bit words, and hold blue, green, red.
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    auto* target = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = &rgb.samples[static_cast<std::size_t>(y) * width * 3];
        std::uint8_t* to = target + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
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
