#pragma once

#include <string>
#include <string_view>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// The system's ANSI code page as the platform converts it: what a byte
// sequence becomes in Unicode, and which bytes a text becomes. Single-byte,
// double-byte and UTF-8 code pages alike; text is UTF-8 on this side.
class CodePage : NonCopyable {
  public:
    virtual ~CodePage() = default;

    // The text that the bytes become. A sequence the code page has no
    // character for becomes whatever the platform puts in its place (a
    // default character, U+FFFD), so the result may not convert back.
    [[nodiscard]] virtual std::string toUnicode(std::string_view bytes) const = 0;

    // The bytes of the text. A character the code page lacks becomes its
    // default character.
    [[nodiscard]] virtual std::string toBytes(std::string_view text) const = 0;
};

}  // namespace corvallo
