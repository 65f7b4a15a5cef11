#include "win32/Win32CodePage.h"

#include <windows.h>

#include "core/ports/PlatformError.h"
#include "win32/Utf16.h"

namespace corvallo {

std::string Win32CodePage::toUnicode(std::string_view bytes) const {
    if (bytes.empty()) {
        return {};
    }
    // Without MB_ERR_INVALID_CHARS: a sequence the code page has no character
    // for comes out as the platform's substitute, as the registry stores it.
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length == 0 ||
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length) != length) {
        throw PlatformError(static_cast<long>(GetLastError()), "MultiByteToWideChar");
    }
    return win32::toUtf8(wide);
}

std::string Win32CodePage::toBytes(std::string_view text) const {
    const std::wstring wide = win32::toUtf16(text);
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (length == 0 || WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length,
                                           nullptr, nullptr) != length) {
        throw PlatformError(static_cast<long>(GetLastError()), "WideCharToMultiByte");
    }
    return bytes;
}

}  // namespace corvallo
