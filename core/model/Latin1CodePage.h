#pragma once

#include "core/ports/CodePage.h"

namespace corvallo {

// ISO 8859-1: codes 0 to 255 are the first 256 Unicode characters. Serves
// where the platform has no ANSI code page of its own.
class Latin1CodePage final : public CodePage {
  public:
    [[nodiscard]] std::optional<unsigned char> toCode(char32_t character) const override {
        if (character > 0xFF) {
            return std::nullopt;
        }
        return static_cast<unsigned char>(character);
    }
    [[nodiscard]] char32_t fromCode(unsigned char code) const override { return code; }
};

}  // namespace corvallo
