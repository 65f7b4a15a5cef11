#include "win32/Win32CodePage.h"

#include <windows.h>

namespace corvallo {

namespace {

// What a code stands for when it is no character by itself (a lead byte of a
// double-byte code page such as 932).
constexpr char32_t kReplacement = U'\uFFFD';

}  // namespace

Win32CodePage::Win32CodePage() {
    for (unsigned code = 0; code < characters_.size(); ++code) {
        const char byte = static_cast<char>(code);
        std::array<wchar_t, 2> wide{};
        // No MB_ERR_INVALID_CHARS: codes the code page leaves undefined (0x81
        // in 1252) then map the way Windows maps them everywhere else, to the
        // control character of the same number, and still round-trip.
        const int length =
            MultiByteToWideChar(CP_ACP, 0, &byte, 1, wide.data(), static_cast<int>(wide.size()));
        // One UTF-16 unit that is no surrogate: a character of its own. A
        // lead byte alone gives 0 units (or a default character that other
        // codes share; the first code keeps the reverse entry).
        const bool single = length == 1 && (wide[0] < 0xD800 || wide[0] > 0xDFFF);
        characters_[code] = single ? static_cast<char32_t>(wide[0]) : kReplacement;
        if (single) {
            codes_.try_emplace(characters_[code], static_cast<unsigned char>(code));
        }
    }
}

std::optional<unsigned char> Win32CodePage::toCode(char32_t character) const {
    const auto found = codes_.find(character);
    if (found == codes_.end()) {
        return std::nullopt;
    }
    return found->second;
}

char32_t Win32CodePage::fromCode(unsigned char code) const {
    return characters_[code];
}

}  // namespace corvallo
