#include "win32/Win32Process.h"

#include <windows.h>

#include <string_view>

#include "win32/CommandLine.h"
#include "win32/Utf16.h"

namespace corvallo {

namespace {

// The full path of the running executable. MAX_PATH is not the limit: with
// long path support a path may have up to 32767 characters, so the buffer
// grows until GetModuleFileNameW no longer fills it completely (a truncated
// result has exactly the buffer's size).
std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 65536) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

Win32Process::Win32Process() {
    const std::wstring path = modulePath();
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        fileName_ = path;
    } else {
        folder_ = path.substr(0, separator);
        fileName_ = path.substr(separator + 1);
    }
    arguments_ = std::wstring(win32::argumentText(GetCommandLineW()));
}

Win32Process::~Win32Process() {
    if (mutex_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(mutex_));
    }
}

std::string Win32Process::appName() const {
    const std::size_t dot = fileName_.rfind(L'.');
    return win32::toUtf8(std::wstring_view(fileName_).substr(0, dot));
}

std::string Win32Process::exeFolder() const {
    return win32::toUtf8(folder_);
}

std::string Win32Process::commandLine() const {
    return win32::toUtf8(arguments_);
}

bool Win32Process::anotherInstanceRunning() {
    if (anotherInstance_) {
        return *anotherInstance_;
    }
    // Object names are case-sensitive while file names are not: the same
    // program started as "corvallo.exe" and as "Corvallo.exe" must meet.
    std::wstring name = win32::toUtf16(appName());
    if (!name.empty()) {
        CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    }
    // "Local\" is the namespace of the user's logon session: another user
    // logged on at the same time may run their own copy.
    const std::wstring mutexName = L"Local\\Corvallo." + name + L".SingleInstance";
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
    // GetLastError must be read right after CreateMutexW: on success it is
    // ERROR_ALREADY_EXISTS when the mutex existed (the handle then refers to
    // the other copy's mutex).
    const DWORD error = GetLastError();
    if (mutex == nullptr) {
        // Another object of that name (not a mutex) or no access: someone
        // else holds the name, which only another copy would.
        anotherInstance_ = error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE;
        return *anotherInstance_;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        // This copy is about to leave; keeping the handle would keep the
        // mutex alive after the first copy ended.
        CloseHandle(mutex);
        anotherInstance_ = true;
    } else {
        mutex_ = mutex;
        anotherInstance_ = false;
    }
    return *anotherInstance_;
}

void Win32Process::exit() {
    PostQuitMessage(0);
}

}  // namespace corvallo
