#include "win32/RegistrySettingsStore.h"

#include <windows.h>

#include <vector>

#include "core/ports/PlatformError.h"
#include "win32/RegistryKey.h"
#include "win32/SystemMessage.h"
#include "win32/Utf16.h"

namespace corvallo {

namespace {

[[noreturn]] void fail(LSTATUS status) {
    throw PlatformError(status, win32::systemMessage(static_cast<unsigned long>(status)));
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string_view applicationName,
                                             std::string_view root)
    : keyPath_(win32::toUtf16(root) + L"\\" + win32::toUtf16(applicationName) + L"\\" +
               win32::toUtf16(settings::kSection)) {}

std::optional<std::string> RegistrySettingsStore::read(std::string_view key) const {
    const std::wstring name = win32::toUtf16(key);
    // RegGetValueW opens the key for reading only (it never creates it) and
    // NUL-terminates the string even when it was stored without one.
    // RRF_RT_REG_SZ refuses every other type with ERROR_UNSUPPORTED_TYPE;
    // RRF_NOEXPAND is needed as well, because without it a REG_EXPAND_SZ is
    // expanded and then passes as a REG_SZ.
    const DWORD flags = RRF_RT_REG_SZ | RRF_NOEXPAND;
    // Settings are short: one call with room for this many characters reads
    // nearly every value, which matters for the display time the program
    // reads once a second. A longer value is measured and read again.
    constexpr std::size_t kShortValue = 128;
    std::vector<wchar_t> buffer(kShortValue, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, keyPath_.c_str(), name.c_str(), flags, nullptr,
                                  buffer.data(), &size);
    if (status == ERROR_SUCCESS) {
        return win32::toUtf8(std::wstring(buffer.data()));
    }
    // The value may grow between measuring and reading (another program
    // writes it); ERROR_MORE_DATA then gives the new size and we try again.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, keyPath_.c_str(), name.c_str(), flags, nullptr,
                              buffer.data(), &size);
        if (status == ERROR_SUCCESS) {
            // Up to the first NUL: a REG_SZ may carry bytes after it.
            return win32::toUtf8(std::wstring(buffer.data()));
        }
    }
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_UNSUPPORTED_TYPE) {
        return std::nullopt;
    }
    fail(status);
}

void RegistrySettingsStore::write(std::string_view key, std::string_view value) {
    win32::RegistryKey settings;
    // Creates every missing key of the path, like the classic service does.
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, settings.receive(), nullptr);
    if (status != ERROR_SUCCESS) {
        fail(status);
    }
    const std::wstring name = win32::toUtf16(key);
    const std::wstring data = win32::toUtf16(value);
    // REG_SZ data is counted in bytes and includes the terminating NUL.
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    status = RegSetValueExW(settings.get(), name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    if (status != ERROR_SUCCESS) {
        fail(status);
    }
}

}  // namespace corvallo
