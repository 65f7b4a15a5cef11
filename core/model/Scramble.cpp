#include "core/model/Scramble.h"

#include <optional>

#include "core/model/Utf8.h"

namespace corvallo {
namespace {

constexpr int kShift = 85;
constexpr char kBytesMark = '#';
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The text's bytes in the code page, shifted, character by character: one
// that does not convert both ways, or with a byte the shift takes out of
// range, is dropped whole.
std::string shiftCharacters(std::string_view text, const CodePage& codePage, int by) {
    std::string shifted;
    for (const char32_t character : decodeUtf8(text)) {
        std::string one;
        appendUtf8(one, character);
        const std::string bytes = codePage.toBytes(one);
        if (bytes.empty() || codePage.toUnicode(bytes) != one) {
            continue;
        }
        std::string moved;
        for (const char byte : bytes) {
            const int code = static_cast<unsigned char>(byte) + by;
            if (code < 0 || code > 255) {
                break;
            }
            moved += static_cast<char>(code);
        }
        if (moved.size() == bytes.size()) {
            shifted += moved;
        }
    }
    return shifted;
}

std::string hexOf(std::string_view bytes) {
    std::string hex(1, kBytesMark);
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        hex += kHexDigits[code >> 4];
        hex += kHexDigits[code & 0xF];
    }
    return hex;
}

// The bytes that hexOf() wrote; nothing when the text is not of that form.
std::optional<std::string> bytesOfHex(std::string_view text) {
    if (text.empty() || text.front() != kBytesMark || text.size() % 2 == 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 1; i < text.size(); i += 2) {
        const std::size_t high = kHexDigits.find(text[i]);
        const std::size_t low = kHexDigits.find(text[i + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos) {
            return std::nullopt;
        }
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

}  // namespace

std::string scramble(std::string_view text, const CodePage& codePage) {
    const std::string bytes = shiftCharacters(text, codePage, kShift);
    std::string characters = codePage.toUnicode(bytes);
    if (codePage.toBytes(characters) == bytes) {
        return characters;
    }
    return hexOf(bytes);
}

std::string unscramble(std::string_view text, const CodePage& codePage) {
    if (const auto bytes = bytesOfHex(text)) {
        std::string shifted;
        for (const char byte : *bytes) {
            const int code = static_cast<unsigned char>(byte) - kShift;
            if (code >= 0) {
                shifted += static_cast<char>(code);
            }
        }
        return codePage.toUnicode(shifted);
    }
    return codePage.toUnicode(shiftCharacters(text, codePage, -kShift));
}

bool survivesScrambling(std::string_view text, const CodePage& codePage) {
    return unscramble(scramble(text, codePage), codePage) == text;
}

}  // namespace corvallo
