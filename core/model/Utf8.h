#pragma once

#include <string>
#include <string_view>

namespace corvallo {

// The characters of UTF-8 text; a malformed byte stands for U+FFFD.
[[nodiscard]] std::u32string decodeUtf8(std::string_view text);
void appendUtf8(std::string& out, char32_t character);

}  // namespace corvallo
