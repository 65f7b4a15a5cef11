#include "win32/Utf16.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace corvallo::win32 {

namespace {

// The conversion functions count in int; a longer text cannot be converted in
// one call, and no text of the program comes anywhere near that size.
int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long for a Windows conversion");
    }
    return static_cast<int>(size);
}

}  // namespace

std::wstring toUtf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = checkedLength(utf8.size());
    // First call measures, second converts. Without explicit length both
    // would stop at a NUL; with it, embedded NULs are kept.
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, result.data(), wide);
    return result;
}

std::string toUtf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int length = checkedLength(utf16.size());
    // CP_UTF8 requires the default-character arguments to be null.
    const int narrow =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, result.data(), narrow, nullptr, nullptr);
    return result;
}

}  // namespace corvallo::win32
