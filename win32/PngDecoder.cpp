// The PNG decoder is stb_image (Debian's libstb-dev), built into the program
// for PNG only: the tip pictures are decoded without the system's imaging
// component, whose COM classes and libraries would cost the start more time
// and memory than the decoding itself.
#include "win32/PngDecoder.h"

#include <climits>
#include <memory>

#include "core/ports/PlatformError.h"

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#elif defined(_MSC_VER)
#pragma warning(push, 0)
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#elif defined(_MSC_VER)
#pragma warning(pop)
#endif

namespace corvallo::win32 {

Pixels decodePngRgba(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw PlatformError(0, "PNG too large");
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> decoded(
        stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4),
        stbi_image_free);
    if (!decoded) {
        throw PlatformError(0, std::string("PNG: ") + stbi_failure_reason());
    }
    Pixels pixels{width, height, 4, {}};
    pixels.samples.assign(decoded.get(),
                          decoded.get() + static_cast<std::size_t>(width) * height * 4);
    return pixels;
}

}  // namespace corvallo::win32
