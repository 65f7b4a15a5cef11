#include "InstallerSteps.h"

#include <gtest/gtest.h>
#include <shobjidl.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Driver.h"

namespace corvallo::e2e {

extern const wchar_t* const kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvallo";
extern const wchar_t* const kStartupApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

std::wstring widen(const char* text) {
    return std::wstring(text, text + std::strlen(text));
}

// A file named by an environment variable as Wine shows Unix files ("Z:/...").
std::wstring fileFromEnvironment(const char* variable) {
    const char* path = std::getenv(variable);
    if (path == nullptr) {
        throw std::runtime_error(std::string(variable) + " is not set");
    }
    std::wstring wide = widen(path);
    for (auto& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
}

std::wstring setup() {
    return fileFromEnvironment("CORVALLO_SETUP");
}
std::wstring olderSetup() {
    return fileFromEnvironment("CORVALLO_OLDER_SETUP");
}

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    if (FAILED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        throw std::runtime_error("no known folder");
    }
    std::wstring folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring installFolder() {
    return knownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Corvallo";
}
std::wstring installedProgram() {
    return installFolder() + L"\\Corvallo.exe";
}
std::wstring uninstaller() {
    return installFolder() + L"\\Uninstall.exe";
}
std::wstring shortcut() {
    return knownFolder(FOLDERID_Programs) + L"\\Corvallo.lnk";
}
// The log-on entry as the program writes it (win32/RegistryStartupEntry.cpp).
std::wstring runValueFor(const std::wstring& program) {
    return L"\"" + program + L"\" /STARTUP";
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string narrow(const std::optional<std::wstring>& text) {
    const std::wstring shown = text.value_or(L"<absent>");
    std::string result;
    for (wchar_t c : shown) {
        result += c < 128 ? static_cast<char>(c) : '?';
    }
    return result;
}

// The names in a folder, for failure messages.
std::string contents(const std::wstring& folder) {
    std::string names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return "<no folder>";
    }
    do {
        names += narrow(std::wstring(found.cFileName)) + " ";
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool keyExists(const wchar_t* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

bool valueExists(const wchar_t* key, const wchar_t* name) {
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::optional<DWORD> readNumber(const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::wstring> setting(const wchar_t* name) {
    return Registry::read(Registry::kSettingsKey, name);
}

// Runs a command line and waits for its process; its exit code.
DWORD run(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start: " + std::to_string(GetLastError()));
    }
    CloseHandle(process.hThread);
    const bool ended = WaitForSingleObject(process.hProcess, 90000) == WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (!ended) {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hProcess);
    if (!ended) {
        throw std::runtime_error("the process did not end");
    }
    return code;
}

DWORD install(const std::wstring& installer) {
    return run(L"\"" + installer + L"\" /S");
}

// Uninstalls through the registered QuietUninstallString, as a package
// manager does. The uninstaller copies itself to the temporary folder, starts
// that copy and ends at once, so the removal is over when the copy has
// deleted the Uninstall key, its last step.
bool uninstall(const std::wstring& moreArguments) {
    const auto quiet = Registry::read(kUninstallKey, L"QuietUninstallString");
    if (!quiet) {
        ADD_FAILURE() << "no QuietUninstallString";
        return false;
    }
    EXPECT_EQ(run(*quiet + moreArguments), 0u);
    return waitFor([] { return !keyExists(kUninstallKey); }, std::chrono::seconds(30));
}

// Where a .lnk file points, read through the shell as Explorer does.
std::wstring shortcutTarget(const std::wstring& link) {
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&shellLink)))) {
        return L"<no shell link object>";
    }
    std::wstring target = L"<unreadable>";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_PPV_ARGS(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0))) {
            target = path;
        }
        file->Release();
    }
    shellLink->Release();
    return target;
}

// The ProductVersion of a file's version block; empty when it has none.
std::wstring productVersion(const std::wstring& file) {
    std::vector<BYTE> block(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    if (block.empty() ||
        !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        return L"";
    }
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\ProductVersion",
                        reinterpret_cast<void**>(&text), &length)) {
        return L"";
    }
    return text;
}

bool hasIcon(const std::wstring& file) {
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return false;
    }
    bool found = false;
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR found) -> BOOL {
            *reinterpret_cast<bool*>(found) = true;
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&found));
    FreeLibrary(module);
    return found;
}

// Everything an installation leaves, gone, so each test starts on a machine
// where Corvallo was never installed.
void removeEverything() {
    for (const wchar_t* file : {L"Corvallo.exe", L"Uninstall.exe", L"LICENSE.txt"}) {
        DeleteFileW((installFolder() + L"\\" + file).c_str());
    }
    RemoveDirectoryW(installFolder().c_str());
    DeleteFileW(shortcut().c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kStartupApprovedKey, L"Corvallo");
    Registry::clearSettings();
    Registry::removeRunValue();
}

}  // namespace corvallo::e2e
