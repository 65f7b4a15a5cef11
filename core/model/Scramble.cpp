#include "core/model/Scramble.h"

#include "core/model/Utf8.h"

namespace corvallo {
namespace {

constexpr int kShift = 85;

std::string shift(std::string_view text, const CodePage& codePage, int by) {
    std::string result;
    for (const char32_t character : decodeUtf8(text)) {
        const auto code = codePage.toCode(character);
        if (!code) {
            continue;
        }
        const int shifted = *code + by;
        if (shifted >= 0 && shifted <= 255) {
            appendUtf8(result, codePage.fromCode(static_cast<unsigned char>(shifted)));
        }
    }
    return result;
}

}  // namespace

std::string scramble(std::string_view text, const CodePage& codePage) {
    return shift(text, codePage, kShift);
}

std::string unscramble(std::string_view text, const CodePage& codePage) {
    return shift(text, codePage, -kShift);
}

bool survivesScrambling(std::string_view text, const CodePage& codePage) {
    for (const char32_t character : decodeUtf8(text)) {
        const auto code = codePage.toCode(character);
        if (!code || *code + kShift > 255) {
            return false;
        }
    }
    return true;
}

}  // namespace corvallo
