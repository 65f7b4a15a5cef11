#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvallo {

// A stored text that does not convert to what its reader needs.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A whole number in decimal, with an optional sign and surrounding blanks.
// Empty, non-numeric or out-of-range text throws ConversionError.
[[nodiscard]] std::int16_t toInt16(std::string_view text);
[[nodiscard]] std::int32_t toInt32(std::string_view text);

// "True" or "False" in any letter case, or a number (0 is false, any other
// number true). Anything else throws ConversionError.
[[nodiscard]] bool toBoolean(std::string_view text);

// Flags compared with "True" exactly: any other text, "true" included, is false.
[[nodiscard]] inline bool isTrueFlag(std::string_view text) {
    return text == "True";
}
[[nodiscard]] inline std::string flagText(bool value) {
    return value ? "True" : "False";
}

}  // namespace corvallo
