#pragma once

#include <cstddef>
#include <cstdint>

#include "win32/PictureScaling.h"

namespace corvallo::win32 {

// The PNG in `data` as RGBA pixels. Throws PlatformError when it is no PNG
// the decoder can read.
[[nodiscard]] Pixels decodePngRgba(const std::uint8_t* data, std::size_t size);

}  // namespace corvallo::win32
