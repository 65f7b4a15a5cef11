// Starts each program several times and reports, as medians: the time until
// its first window is on screen, its memory once started, and the processor
// time it uses while it sits idle. Run under Wine by tools/benchmark.sh.
//
//   corvallo_bench.exe RUNS IDLE_SECONDS NAME=PATH [NAME=PATH ...]
// <windows.h> first: <psapi.h> uses its types.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Median.h"

namespace {

using corvallo::bench::median;

struct Sample {
    double startMs = 0;
    double workingSetKiB = 0;
    double startCpuMs = 0;
    double idleCpuPercent = 0;
};

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

double cpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

bool measure(const std::wstring& path, int idleSeconds, Sample& sample) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = nowMs();
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return false;
    }
    while (!hasVisibleWindow(info.dwProcessId)) {
        if (nowMs() - start > 30000) {
            TerminateProcess(info.hProcess, 1);
            return false;
        }
        Sleep(1);
    }
    sample.startMs = nowMs() - start;
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);
    sample.workingSetKiB = static_cast<double>(memory.WorkingSetSize) / 1024;
    const double cpuBefore = cpuMs(info.hProcess);
    sample.startCpuMs = cpuBefore;
    Sleep(static_cast<DWORD>(idleSeconds) * 1000);
    sample.idleCpuPercent = 100 * (cpuMs(info.hProcess) - cpuBefore) / (idleSeconds * 1000.0);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvallo_bench RUNS IDLE_SECONDS NAME=PATH...\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    const int idleSeconds = _wtoi(argv[2]);
    std::printf("%-10s %5s %12s %13s %16s %11s\n", "program", "runs", "start-up ms", "start CPU ms",
                "working set KiB", "idle CPU %");
    for (int i = 3; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const auto equals = argument.find(L'=');
        const std::wstring name = argument.substr(0, equals);
        const std::wstring path = argument.substr(equals + 1);
        std::vector<double> start, startCpu, workingSet, idle;
        for (int run = 0; run < runs; ++run) {
            Sample sample;
            if (!measure(path, idleSeconds, sample)) {
                std::fprintf(stderr, "%ls did not start\n", name.c_str());
                return 1;
            }
            start.push_back(sample.startMs);
            workingSet.push_back(sample.workingSetKiB);
            startCpu.push_back(sample.startCpuMs);
            idle.push_back(sample.idleCpuPercent);
        }
        std::printf("%-10ls %5d %12.0f %13.0f %16.0f %11.3f\n", name.c_str(), runs, median(start),
                    median(startCpu), median(workingSet), median(idle));
    }
    return 0;
}
