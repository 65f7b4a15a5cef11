#include "Probe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ThrowAwayKey.h"

namespace corvallo::test {

namespace {

std::wstring ownFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\'));
}

void setOrClear(const wchar_t* name, const std::wstring& value) {
    SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
}

}  // namespace

ProbeCopy::ProbeCopy() {
    std::wstring temp(MAX_PATH + 1, L'\0');
    temp.resize(GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
    const std::wstring id = randomName();
    folder_ = temp + L"\u041a\u043e\u0440\u0432\u0430\u043b\u043b\u043e test " + id;
    baseName_ = L"probe_" + id;
    path_ = folder_ + L"\\" + baseName_ + L".exe";
    if (!CreateDirectoryW(folder_.c_str(), nullptr)) {
        ADD_FAILURE() << "cannot create the probe folder, error " << GetLastError();
        return;
    }
    const std::wstring original = ownFolder() + L"\\corvallo_win32_probe.exe";
    if (!CopyFileW(original.c_str(), path_.c_str(), TRUE)) {
        ADD_FAILURE() << "cannot copy the probe, error " << GetLastError();
    }
}

ProbeCopy::~ProbeCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
}

ProbeCopy::Started ProbeCopy::start(const std::wstring& commandLine, const ProbeOptions& options) {
    Started started;
    started.reportFile = folder_ + L"\\report" + std::to_wstring(reports_.size()) + L".txt";
    reports_.push_back(started.reportFile);
    // The probe inherits this process's environment; that is how it gets
    // its orders without touching the command line under test.
    setOrClear(L"CORVALLO_PROBE_OUT", started.reportFile);
    setOrClear(L"CORVALLO_PROBE_CLAIM", options.claim ? L"1" : L"");
    setOrClear(L"CORVALLO_PROBE_READY", options.readyEvent);
    setOrClear(L"CORVALLO_PROBE_RELEASE", options.releaseEvent);

    // CreateProcessW may write into the command line buffer.
    std::wstring buffer = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path_.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        ADD_FAILURE() << "cannot start the probe, error " << GetLastError();
        return started;
    }
    CloseHandle(info.hThread);
    started.process = info.hProcess;
    return started;
}

ProbeReport ProbeCopy::run(const std::wstring& commandLine, const ProbeOptions& options) {
    const Started started = start(commandLine, options);
    if (started.process == nullptr) {
        return {};
    }
    EXPECT_EQ(WaitForSingleObject(started.process, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(started.process, &exitCode);
    CloseHandle(started.process);
    EXPECT_EQ(exitCode, 0u);
    return readReport(started.reportFile);
}

ProbeReport ProbeCopy::readReport(const std::wstring& file) {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    ProbeReport report;
    std::getline(in, report.appName);
    std::getline(in, report.exeFolder);
    std::getline(in, report.commandLine);
    std::string claim;
    if (std::getline(in, claim)) {
        if (claim == "another=1") {
            report.anotherInstance = true;
        } else if (claim == "another=0") {
            report.anotherInstance = false;
        }
    }
    return report;
}

}  // namespace corvallo::test
