#include "win32/RegistryStartupEntry.h"

#include <windows.h>

#include "win32/RegistryKey.h"
#include "win32/SystemMessage.h"
#include "win32/Utf16.h"

namespace corvallo {

namespace {

[[noreturn]] void fail(StartupEntryError::Stage stage, LSTATUS status) {
    throw StartupEntryError(stage, status,
                            win32::systemMessage(static_cast<unsigned long>(status)));
}

// Opens the Run key for writing, creating it when a fresh profile has none.
void openForWriting(const std::wstring& runKey, win32::RegistryKey& key) {
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, runKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, key.receive(), nullptr);
    if (status != ERROR_SUCCESS) {
        fail(StartupEntryError::Stage::OpeningKey, status);
    }
}

// The executable's path is quoted: unquoted, a path with blanks such as
// C:\Program Files\... would start C:\Program.exe where one exists.
std::string commandLine(const std::string& name, const std::string& folder,
                        const std::string& arguments) {
    return "\"" + folder + "\\" + name + ".exe\" " + arguments;
}

}  // namespace

RegistryStartupEntry::RegistryStartupEntry(std::string_view runKey)
    : runKey_(win32::toUtf16(runKey)) {}

bool RegistryStartupEntry::present(const std::string& name) const {
    win32::RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, runKey_.c_str(), 0, KEY_READ, key.receive()) !=
        ERROR_SUCCESS) {
        return false;
    }
    // Asking for the type only (no data buffer) succeeds for a value of any
    // type and any size, which is what "present" means here.
    DWORD type = 0;
    const std::wstring valueName = win32::toUtf16(name);
    return RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void RegistryStartupEntry::write(const std::string& name, const std::string& folder,
                                 const std::string& arguments) {
    win32::RegistryKey key;
    openForWriting(runKey_, key);
    // Written in UTF-16 through the W function, so a program folder with
    // letters outside the ANSI code page (C:\Program Files\Корвалло) is kept
    // as it is; the A function would turn those letters into '?'.
    const std::wstring valueName = win32::toUtf16(name);
    const std::wstring data = win32::toUtf16(commandLine(name, folder, arguments));
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    if (status != ERROR_SUCCESS) {
        fail(StartupEntryError::Stage::SettingValue, status);
    }
}

void RegistryStartupEntry::remove(const std::string& name) {
    win32::RegistryKey key;
    openForWriting(runKey_, key);
    // ERROR_FILE_NOT_FOUND (already absent) is the one expected failure and
    // is no error; nothing else is reported either.
    const std::wstring valueName = win32::toUtf16(name);
    RegDeleteValueW(key.get(), valueName.c_str());
}

}  // namespace corvallo
