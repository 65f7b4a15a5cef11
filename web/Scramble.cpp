#include "web/Scramble.h"

#include "web/Utf8.h"

namespace corvallo::modHelp {
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

std::string ScrambleText(std::string_view text, const CodePage& codePage) {
    return shift(text, codePage, kShift);
}

std::string UnscrambleText(std::string_view text, const CodePage& codePage) {
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

}  // namespace corvallo::modHelp
