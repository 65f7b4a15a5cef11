#include "win32/SystemMessage.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "win32/Utf16.h"

namespace corvallo::win32 {

std::string systemMessage(unsigned long status) {
    wchar_t* buffer = nullptr;
    // FORMAT_MESSAGE_ALLOCATE_BUFFER makes lpBuffer a pointer to a pointer,
    // hence the cast. IGNORE_INSERTS: some messages hold %1 placeholders for
    // which there are no arguments.
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, status, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) {
        return {};
    }
    std::wstring_view text(buffer, length);
    // System messages end with "\r\n" (some with a space before it).
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.remove_suffix(1);
    }
    const std::wstring copy(text);
    LocalFree(buffer);
    return toUtf8(copy);
}

}  // namespace corvallo::win32
