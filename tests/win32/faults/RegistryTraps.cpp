#include "RegistryTraps.h"

#include <sddl.h>

#include <string>
#include <vector>

#include "Driver.h"

// Deletes a key itself rather than what it links to (RegDeleteKey follows a
// link). Declared here: the SDK headers leave it to the driver kit.
extern "C" LONG NTAPI NtDeleteKey(HANDLE key);

namespace corvallo::faults {
namespace {

using e2e::Registry;

const wchar_t* const kTrapParent = L"Software\\Corvallo fault trap";
const wchar_t* const kRunBackup = L"Software\\Corvallo fault backup\\Run";

std::wstring userSid() {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    BYTE buffer[256] = {};
    DWORD size = sizeof buffer;
    GetTokenInformation(token, TokenUser, buffer, size, &size);
    CloseHandle(token);
    wchar_t* text = nullptr;
    ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &text);
    std::wstring sid = text ? text : L"";
    LocalFree(text);
    return sid;
}

// Opens the Run key itself, not what it links to; nullptr when it is no link.
HKEY openRunLink() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Registry::kRunKey, REG_OPTION_OPEN_LINK,
                      KEY_QUERY_VALUE | DELETE, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    DWORD type = 0;
    if (RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) !=
            ERROR_SUCCESS ||
        type != REG_LINK) {
        RegCloseKey(key);
        return nullptr;
    }
    return key;
}

LSTATUS createRunKeyForWriting() {
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, Registry::kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr);
    if (key) {
        RegCloseKey(key);
    }
    return status;
}

}  // namespace

bool makeSettingsUnwritable() {
    RegDeleteTreeW(HKEY_CURRENT_USER, Registry::kApplicationKey);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Registry::kApplicationKey, 0, nullptr,
                        REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    HKEY settings = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, Registry::kSettingsKey, 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &settings, nullptr);
    if (settings) {
        RegCloseKey(settings);
    }
    return status != ERROR_SUCCESS;
}

std::optional<LSTATUS> makeRunKeyUnwritable() {
    restoreRunKey();
    // Save the Run key's values; a key with subkeys is left alone.
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Registry::kRunKey, 0, KEY_READ, &run) == ERROR_SUCCESS) {
        DWORD subkeys = 0;
        RegQueryInfoKeyW(run, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr);
        if (subkeys != 0) {
            RegCloseKey(run);
            return std::nullopt;
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, kRunBackup);
        HKEY backup = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kRunBackup, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &backup, nullptr);
        RegCopyTreeW(run, nullptr, backup);
        RegCloseKey(backup);
        RegCloseKey(run);
        if (RegDeleteKeyW(HKEY_CURRENT_USER, Registry::kRunKey) != ERROR_SUCCESS) {
            return std::nullopt;
        }
    }
    HKEY parent = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kTrapParent, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, &parent, nullptr);
    if (parent) {
        RegCloseKey(parent);
    }
    HKEY link = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Registry::kRunKey, 0, nullptr,
                        REG_OPTION_VOLATILE | REG_OPTION_CREATE_LINK,
                        KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &link,
                        nullptr) != ERROR_SUCCESS) {
        restoreRunKey();
        return std::nullopt;
    }
    // A link's target is a native path, stored without a terminating NUL.
    const std::wstring target = L"\\Registry\\User\\" + userSid() + L"\\" + kTrapParent + L"\\Run";
    RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK,
                   reinterpret_cast<const BYTE*>(target.c_str()),
                   static_cast<DWORD>(target.size() * sizeof(wchar_t)));
    RegCloseKey(link);
    const LSTATUS status = createRunKeyForWriting();
    if (status == ERROR_SUCCESS) {
        restoreRunKey();
        return std::nullopt;
    }
    return status;
}

void restoreRunKey() {
    if (HKEY link = openRunLink()) {
        NtDeleteKey(link);
        RegCloseKey(link);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kTrapParent);
    HKEY backup = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunBackup, 0, KEY_READ, &backup) == ERROR_SUCCESS) {
        HKEY run = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, Registry::kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &run, nullptr);
        if (run) {
            RegCopyTreeW(backup, nullptr, run);
            RegCloseKey(run);
        }
        RegCloseKey(backup);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Corvallo fault backup");
    }
    // A fresh profile may lack the Run key; the program creates it anyway.
    HKEY run = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, Registry::kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, &run, nullptr);
    if (run) {
        RegCloseKey(run);
    }
}

namespace {

bool runToEnd(std::wstring commandLine, DWORD timeout) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    const bool ended = WaitForSingleObject(info.hProcess, timeout) == WAIT_OBJECT_0;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return ended;
}

}  // namespace

bool endSession() {
    return runToEnd(L"wineboot.exe -e", 30000);
}

}  // namespace corvallo::faults
