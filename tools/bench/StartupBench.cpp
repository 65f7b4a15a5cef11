// Starts each program RUNS times, the programs taking turns, and measures
// each start: the time until its first window is on screen, the processor
// time used by then and the working set a second later. Then it starts each
// program once more and leaves them all idle together for IDLE_SECONDS,
// reading their processor time every second. The first program is the one
// the others are compared with. Run under Wine by tools/benchmark.sh.
//
//   corvallo_bench.exe RUNS IDLE_SECONDS NAME=PATH [NAME=PATH ...]
// <windows.h> first: <psapi.h> uses its types.
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Report.h"

namespace {

using corvallo::bench::IdleReading;
using corvallo::bench::Measured;
using corvallo::bench::StartSample;

// Long enough for a program to finish what it does right after showing its
// window (a tray icon, a picture), short enough to keep many starts cheap.
constexpr DWORD kSettleMs = 1000;

double nowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool hasVisibleWindow(DWORD processId) {
    struct Search {
        DWORD processId;
        bool found;
    } search{processId, false};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window)) {
                s.found = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double ms(FILETIME time) {
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime) /
           10000.0;
}

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The processor time of the process's threads that are still running.
double threadsCpuMs(DWORD processId) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    double total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId) {
            continue;
        }
        const HANDLE thread =
            OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        if (thread == nullptr) {
            continue;
        }
        FILETIME created, exited, kernel, user;
        if (GetThreadTimes(thread, &created, &exited, &kernel, &user)) {
            total += ms(kernel) + ms(user);
        }
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return total;
}

// Kernel plus user time of the process so far. Wine's GetProcessTimes gives
// the caller's own times whatever process it is asked about, while its
// GetThreadTimes reads the asked thread's; so under Wine the times of the
// process's threads are added up. That misses threads that have already
// ended, which Windows' own GetProcessTimes counts.
double cpuMs(const PROCESS_INFORMATION& info) {
    static const bool wine = underWine();
    if (wine) {
        return threadsCpuMs(info.dwProcessId);
    }
    FILETIME created, exited, kernel, user;
    GetProcessTimes(info.hProcess, &created, &exited, &kernel, &user);
    return ms(kernel) + ms(user);
}

double workingSetKiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    return static_cast<double>(memory.WorkingSetSize) / 1024;
}

void stop(PROCESS_INFORMATION& info) {
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

struct Started {
    PROCESS_INFORMATION info{};
    double startMs = 0;
};

// Starts the program and waits for its first visible window; nothing when it
// does not start or shows no window within 30 s.
std::optional<Started> start(const std::wstring& path) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    Started started;
    const double begin = nowMs();
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started.info)) {
        return std::nullopt;
    }
    while (!hasVisibleWindow(started.info.dwProcessId)) {
        if (nowMs() - begin > 30000) {
            stop(started.info);
            return std::nullopt;
        }
        Sleep(1);
    }
    started.startMs = nowMs() - begin;
    return started;
}

std::string narrow(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(size) - 1);
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvallo_bench RUNS IDLE_SECONDS NAME=PATH...\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    const int idleSeconds = _wtoi(argv[2]);
    std::vector<Measured> programs;
    std::vector<std::wstring> paths;
    for (int i = 3; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const auto equals = argument.find(L'=');
        programs.push_back({narrow(argument.substr(0, equals)), {}, {}});
        paths.push_back(argument.substr(equals + 1));
    }

    // The programs take turns, so that a slow phase of the machine falls on
    // all of them alike.
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            std::optional<Started> started = start(paths[p]);
            if (!started) {
                std::fprintf(stderr, "%s did not show a window\n", programs[p].name.c_str());
                return 1;
            }
            StartSample sample;
            sample.startMs = started->startMs;
            sample.startCpuMs = cpuMs(started->info);
            Sleep(kSettleMs);
            sample.memoryKiB = workingSetKiB(started->info.hProcess);
            stop(started->info);
            programs[p].starts.push_back(sample);
        }
    }

    // One long quiet period for all of them at once, instead of one per start:
    // a program that wakes now and then uses a few milliseconds a minute,
    // which a period of a few seconds cannot tell from nothing.
    std::vector<Started> idle;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::optional<Started> started = start(paths[p]);
        if (!started) {
            std::fprintf(stderr, "%s did not show a window\n", programs[p].name.c_str());
            for (Started& running : idle) {
                stop(running.info);
            }
            return 1;
        }
        idle.push_back(*started);
    }
    Sleep(kSettleMs);
    const double begin = nowMs();
    for (int second = 0; second <= idleSeconds; ++second) {
        // Waiting for each second's mark, not a second after the last
        // reading, keeps the period IDLE_SECONDS long.
        const double wait = begin + 1000.0 * second - nowMs();
        if (wait > 0) {
            Sleep(static_cast<DWORD>(wait));
        }
        for (std::size_t p = 0; p < programs.size(); ++p) {
            programs[p].idle.push_back({nowMs(), cpuMs(idle[p].info)});
        }
    }
    for (Started& running : idle) {
        stop(running.info);
    }

    corvallo::bench::printReport(programs, "working set KiB");
    return 0;
}
