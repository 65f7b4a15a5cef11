#pragma once

#include <string>
#include <string_view>

namespace corvallo {

// A short-date pattern as the Windows locale settings and Qt (QLocale) write
// them, e.g. "dd/MM/yy", with every year field widened to four digits
// ("dd/MM/yyyy"), so that a stored date never reads back in the wrong
// century. Text in single quotes is literal and stays as it is ('' is a quote
// character). `Char` is the platform's character type.
template <class Char>
[[nodiscard]] std::basic_string<Char> withFourDigitYear(std::basic_string_view<Char> picture) {
    constexpr Char kQuote = '\'';
    constexpr Char kYear = 'y';
    std::basic_string<Char> result;
    result.reserve(picture.size() + 2);
    bool quoted = false;
    for (std::size_t i = 0; i < picture.size();) {
        const Char c = picture[i];
        if (c == kQuote) {
            quoted = !quoted;
            result += c;
            ++i;
        } else if (c == kYear && !quoted) {
            // "y", "yy", "yyy", "yyyy" and longer all become the full year.
            while (i < picture.size() && picture[i] == kYear) {
                ++i;
            }
            result.append(4, kYear);
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

}  // namespace corvallo
