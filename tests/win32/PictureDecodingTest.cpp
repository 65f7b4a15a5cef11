// The program decodes the tip pictures itself. At the sizes they are drawn
// in (100 % and 200 %) every sample must be the one the system's imaging
// component (WIC) gives; at the sizes between, the picture is averaged over
// the area each new pixel covers, proven on small pictures whose averages
// are known.
#include <windows.h>

#include <gtest/gtest.h>
#include <wincodec.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/PictureScaling.h"
#include "win32/PngDecoder.h"

namespace corvallo::win32 {
namespace {

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::uint8_t buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        std::fclose(file);
    }
    return bytes;
}

template <class Interface>
struct Released {
    Interface* p = nullptr;
    ~Released() {
        if (p != nullptr) {
            p->Release();
        }
    }
};

// WIC's way: premultiplied BGRA, Fant scaling, then 24-bit BGR; as RGB rows.
std::vector<std::uint8_t> wicPicture(std::vector<std::uint8_t>& png, int width, int height) {
    Released<IWICImagingFactory> factory;
    Released<IWICStream> stream;
    Released<IWICBitmapDecoder> decoder;
    Released<IWICBitmapFrameDecode> frame;
    Released<IWICFormatConverter> premultiplied, opaque;
    Released<IWICBitmapScaler> scaler;
    const bool made =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))) &&
        SUCCEEDED(factory.p->CreateStream(&stream.p)) &&
        SUCCEEDED(stream.p->InitializeFromMemory(png.data(), static_cast<DWORD>(png.size()))) &&
        SUCCEEDED(factory.p->CreateDecoderFromStream(stream.p, nullptr,
                                                     WICDecodeMetadataCacheOnLoad, &decoder.p)) &&
        SUCCEEDED(decoder.p->GetFrame(0, &frame.p)) &&
        SUCCEEDED(factory.p->CreateFormatConverter(&premultiplied.p)) &&
        SUCCEEDED(premultiplied.p->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA,
                                              WICBitmapDitherTypeNone, nullptr, 0,
                                              WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(factory.p->CreateBitmapScaler(&scaler.p)) &&
        SUCCEEDED(scaler.p->Initialize(premultiplied.p, static_cast<UINT>(width),
                                       static_cast<UINT>(height),
                                       WICBitmapInterpolationModeFant)) &&
        SUCCEEDED(factory.p->CreateFormatConverter(&opaque.p)) &&
        SUCCEEDED(opaque.p->Initialize(scaler.p, GUID_WICPixelFormat24bppBGR,
                                       WICBitmapDitherTypeNone, nullptr, 0,
                                       WICBitmapPaletteTypeCustom));
    std::vector<std::uint8_t> bgr(static_cast<std::size_t>(width) * height * 3);
    if (!made || FAILED(opaque.p->CopyPixels(nullptr, static_cast<UINT>(width) * 3,
                                             static_cast<UINT>(bgr.size()), bgr.data()))) {
        ADD_FAILURE() << "WIC could not decode the picture";
        return {};
    }
    for (std::size_t i = 0; i + 2 < bgr.size(); i += 3) {
        std::swap(bgr[i], bgr[i + 2]);
    }
    return bgr;
}

TEST(PictureDecodingTest, PicturesAtTheirOwnSizesAreThoseOfTheSystemDecoder) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    for (int tip = 1; tip <= 30; ++tip) {
        for (const bool large : {false, true}) {
            char name[32];
            std::snprintf(name, sizeof name, "/tip%02d%s.png", tip, large ? "@2x" : "");
            SCOPED_TRACE(name);
            std::vector<std::uint8_t> png = fileBytes(CORVALLO_RENDERED_DIR + std::string(name));
            ASSERT_FALSE(png.empty());
            const int width = large ? 200 : 100;
            const int height = large ? 250 : 125;
            const Pixels actual =
                scaledByArea(overBlack(decodePngRgba(png.data(), png.size())), width, height);
            EXPECT_EQ(actual.samples, wicPicture(png, width, height));
        }
    }
    CoUninitialize();
}

// One channel, so that each case reads as rows of samples.
TEST(PictureDecodingTest, ScalingAveragesTheAreaEachPixelCovers) {
    struct Case {
        const char* what;
        Pixels from;
        int width, height;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        {"same size", {2, 1, 1, {10, 200}}, 2, 1, {10, 200}},
        {"halved both ways", {4, 2, 1, {0, 100, 200, 40, 0, 100, 0, 40}}, 2, 1, {50, 70}},
        // 3 -> 2: each new pixel covers one and a half old ones.
        {"two thirds", {3, 1, 1, {0, 90, 180}}, 2, 1, {30, 150}},
        // 4 -> 5: a flat picture stays flat, an edge spreads over one pixel.
        {"a quarter larger, flat", {4, 1, 1, {77, 77, 77, 77}}, 5, 1, {77, 77, 77, 77, 77}},
        {"a quarter larger, edge", {4, 1, 1, {0, 0, 200, 200}}, 5, 1, {0, 0, 100, 200, 200}},
        {"down a column", {1, 4, 1, {0, 100, 200, 40}}, 1, 2, {50, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(scaledByArea(c.from, c.width, c.height).samples, c.expected);
    }
    // Laid over black: transparent is black, opaque is itself, half is half.
    const Pixels rgba{3, 1, 4, {200, 100, 50, 0, 200, 100, 50, 255, 200, 100, 50, 128}};
    EXPECT_EQ(overBlack(rgba).samples,
              (std::vector<std::uint8_t>{0, 0, 0, 200, 100, 50, 100, 50, 25}));
}

}  // namespace
}  // namespace corvallo::win32
