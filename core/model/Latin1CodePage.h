#pragma once

#include "core/model/Utf8.h"
#include "core/ports/CodePage.h"

namespace corvallo {

// ISO 8859-1: codes 0 to 255 are the first 256 Unicode characters. Serves
// where the platform has no ANSI code page of its own.
class Latin1CodePage final : public CodePage {
  public:
    [[nodiscard]] std::string toUnicode(std::string_view bytes) const override {
        std::string text;
        for (const char byte : bytes) {
            appendUtf8(text, static_cast<unsigned char>(byte));
        }
        return text;
    }
    [[nodiscard]] std::string toBytes(std::string_view text) const override {
        std::string bytes;
        for (const char32_t character : decodeUtf8(text)) {
            bytes += character <= 0xFF ? static_cast<char>(character) : '?';
        }
        return bytes;
    }
};

}  // namespace corvallo
