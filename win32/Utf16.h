#pragma once

#include <string>
#include <string_view>

namespace corvallo::win32 {

// The core keeps text in UTF-8; the wide (W) Windows functions take UTF-16.
// Invalid sequences become U+FFFD, as MultiByteToWideChar does by default.
[[nodiscard]] std::wstring toUtf16(std::string_view utf8);
[[nodiscard]] std::string toUtf8(std::wstring_view utf16);

}  // namespace corvallo::win32
