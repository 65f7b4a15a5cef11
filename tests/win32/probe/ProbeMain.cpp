// A helper program for the process tests: it reports what Win32Process sees in
// a process started the way the test chooses (its own file name, folder and
// command line), and takes part in the single-instance checks.
//
// Environment:
//   CORVALLO_PROBE_OUT      file to write the report to (UTF-8, one item a line)
//   CORVALLO_PROBE_CLAIM    when set, asks anotherInstanceRunning()
//   CORVALLO_PROBE_READY    name of an event to set once the report is written
//   CORVALLO_PROBE_RELEASE  name of an event to wait for before exiting
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "win32/Win32Process.h"

namespace {

std::optional<std::wstring> environment(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

}  // namespace

int main() {
    const auto out = environment(L"CORVALLO_PROBE_OUT");
    if (!out) {
        return 2;
    }
    corvallo::Win32Process process;
    {
        std::ofstream report(std::filesystem::path(*out), std::ios::binary);
        report << process.appName() << '\n'
               << process.exeFolder() << '\n'
               << process.commandLine() << '\n';
        if (environment(L"CORVALLO_PROBE_CLAIM")) {
            report << "another=" << (process.anotherInstanceRunning() ? 1 : 0) << '\n';
        }
        if (!report) {
            return 3;
        }
    }
    if (const auto ready = environment(L"CORVALLO_PROBE_READY")) {
        HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, ready->c_str());
        if (event == nullptr) {
            return 4;
        }
        SetEvent(event);
        CloseHandle(event);
    }
    if (const auto release = environment(L"CORVALLO_PROBE_RELEASE")) {
        HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, release->c_str());
        if (event == nullptr) {
            return 5;
        }
        // Bounded, so that a failing test never leaves the probe behind.
        WaitForSingleObject(event, 30000);
        CloseHandle(event);
    }
    return 0;
}
