#pragma once

#include <optional>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// The system's single-byte (ANSI) code page, character by character.
class CodePage : NonCopyable {
  public:
    virtual ~CodePage() = default;

    // The 8-bit code of the character, or nothing when the code page has none.
    [[nodiscard]] virtual std::optional<unsigned char> toCode(char32_t character) const = 0;

    // The character that the 8-bit code stands for.
    [[nodiscard]] virtual char32_t fromCode(unsigned char code) const = 0;
};

}  // namespace corvallo
