#include "win32/DatePattern.h"

namespace corvallo::win32 {

std::wstring withFourDigitYear(std::wstring_view picture) {
    std::wstring result;
    result.reserve(picture.size() + 2);
    bool quoted = false;
    for (std::size_t i = 0; i < picture.size();) {
        const wchar_t c = picture[i];
        if (c == L'\'') {
            quoted = !quoted;
            result += c;
            ++i;
        } else if (c == L'y' && !quoted) {
            // "y", "yy", "yyy", "yyyy" and longer all become the full year.
            while (i < picture.size() && picture[i] == L'y') {
                ++i;
            }
            result += L"yyyy";
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

}  // namespace corvallo::win32
