// Arbitrary bytes, malformed UTF-8 included, through the UTF-8 decoder and
// encoder and the update reminder's scrambling with the Latin-1 code page.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/model/Latin1CodePage.h"
#include "core/model/Scramble.h"
#include "core/model/Utf8.h"

namespace {

using corvallo::fuzz::require;

// Well-formed UTF-8 as Unicode's table of well-formed byte sequences lists it,
// written independently of the decoder under test.
bool isWellFormedUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        auto byteAt = [&](std::size_t k) -> int {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : -1;
        };
        auto within = [](int b, int low, int high) { return b >= low && b <= high; };
        std::size_t length = 0;
        if (b0 <= 0x7F) {
            length = 1;
        } else if (within(b0, 0xC2, 0xDF)) {
            length = within(byteAt(1), 0x80, 0xBF) ? 2 : 0;
        } else if (within(b0, 0xE0, 0xEF)) {
            const int low = b0 == 0xE0 ? 0xA0 : 0x80;
            const int high = b0 == 0xED ? 0x9F : 0xBF;
            length = within(byteAt(1), low, high) && within(byteAt(2), 0x80, 0xBF) ? 3 : 0;
        } else if (within(b0, 0xF0, 0xF4)) {
            const int low = b0 == 0xF0 ? 0x90 : 0x80;
            const int high = b0 == 0xF4 ? 0x8F : 0xBF;
            length = within(byteAt(1), low, high) && within(byteAt(2), 0x80, 0xBF) &&
                             within(byteAt(3), 0x80, 0xBF)
                         ? 4
                         : 0;
        }
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string encode(const std::u32string& characters) {
    std::string text;
    for (const char32_t c : characters) {
        corvallo::appendUtf8(text, c);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = corvallo::fuzz::bytesAsText(data, size);
    const corvallo::Latin1CodePage codePage;

    // The decoder and encoder.
    const std::u32string characters = corvallo::decodeUtf8(text);
    const std::string reencoded = encode(characters);
    require(isWellFormedUtf8(reencoded), "the encoder writes well-formed UTF-8");
    require(corvallo::decodeUtf8(reencoded) == characters,
            "decoding what the encoder wrote gives the same characters");
    require(isWellFormedUtf8(text) == (reencoded == text),
            "well-formed UTF-8 (and only that) decodes and encodes back to itself");

    // Scrambling: never more characters out than in, always well-formed.
    const std::string scrambled = corvallo::scramble(text, codePage);
    const std::string unscrambled = corvallo::unscramble(text, codePage);
    require(isWellFormedUtf8(scrambled), "scrambled text is well-formed UTF-8");
    require(isWellFormedUtf8(unscrambled), "unscrambled text is well-formed UTF-8");
    require(corvallo::decodeUtf8(scrambled).size() <= characters.size(),
            "scrambling drops characters, never adds any");

    bool allUpTo170 = true;
    for (const char32_t c : characters) {
        allUpTo170 = allUpTo170 && c <= 170;
    }
    require(corvallo::survivesScrambling(text, codePage) == allUpTo170,
            "with Latin-1, exactly the characters 0 to 170 survive scrambling");
    if (allUpTo170) {
        require(corvallo::unscramble(scrambled, codePage) == text,
                "text of characters 0 to 170 unscrambles back to itself");
    }
    return 0;
}
