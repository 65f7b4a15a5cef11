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

RegistrySettingsStore::~RegistrySettingsStore() {
    stopWatching();
}

void RegistrySettingsStore::stopWatching() const {
    if (watched_ != nullptr) {
        RegCloseKey(watched_);
        watched_ = nullptr;
    }
    if (changed_ != nullptr) {
        CloseHandle(changed_);
        changed_ = nullptr;
    }
    kept_.clear();
}

// The watch is on the application's key and everything below it: the
// registry does not report the deletion of a watched key to its own watch,
// but reports it to the watch of the key above. That key in turn cannot go
// before the settings key below it has gone. The event is set at the first
// change after the watch was started; a read while the settings key does not
// exist goes to the registry.
bool RegistrySettingsStore::keptValuesHold() const {
    constexpr DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    if (watched_ != nullptr && WaitForSingleObject(changed_, 0) == WAIT_TIMEOUT) {
        return true;
    }
    stopWatching();
    const std::wstring application = keyPath_.substr(0, keyPath_.rfind(L'\\'));
    if (RegOpenKeyExW(HKEY_CURRENT_USER, application.c_str(), 0, KEY_NOTIFY, &watched_) !=
        ERROR_SUCCESS) {
        watched_ = nullptr;
        return false;
    }
    changed_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (changed_ == nullptr ||
        RegNotifyChangeKeyValue(watched_, TRUE, kChanges, changed_, TRUE) != ERROR_SUCCESS) {
        stopWatching();
        return false;
    }
    // Values read from now on may be kept: a change after this point sets
    // the event. Without the settings key there is nothing to keep.
    win32::RegistryKey settings;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE,
                      settings.receive()) != ERROR_SUCCESS) {
        stopWatching();
        return false;
    }
    return true;
}

std::optional<std::string> RegistrySettingsStore::read(std::string_view key) const {
    std::wstring name = win32::toUtf16(key);
    if (!keptValuesHold()) {
        return readFromRegistry(name);
    }
    if (const auto kept = kept_.find(name); kept != kept_.end()) {
        return kept->second;
    }
    auto value = readFromRegistry(name);
    kept_.emplace(std::move(name), value);
    return value;
}

std::optional<std::string> RegistrySettingsStore::readFromRegistry(const std::wstring& name) const {
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
    // The write changes the key, and the registry says so to the watch; the
    // kept values go now all the same, so that nothing rests on when it does.
    kept_.clear();
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
