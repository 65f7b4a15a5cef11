#include "ProcessProbe.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "linux/LockFileProcess.h"

namespace corvallo::test {

namespace {

constexpr const char* kReportVariable = "CORVALLO_PROBE_REPORT";

}  // namespace

bool isProcessProbe() {
    return std::getenv(kReportVariable) != nullptr;
}

int runProcessProbe(int argc, char** argv) {
    const LockFileProcess process(argc, argv, [] {});
    std::ofstream report(std::getenv(kReportVariable), std::ios::binary);
    report << process.appName() << '\n' << process.exeFolder() << '\n' << process.commandLine();
    return report.good() ? 0 : 1;
}

ProbeReport runProbe(const std::string& path, const std::vector<std::string>& arguments,
                     const std::string& reportFile) {
    // Everything exec needs is made before fork: only async-signal-safe calls
    // may follow fork in a program with threads.
    std::vector<std::string> environmentText = {std::string(kReportVariable) + "=" + reportFile};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        environmentText.emplace_back(*variable);
    }
    std::vector<char*> environment;
    for (auto& text : environmentText) {
        environment.push_back(text.data());
    }
    environment.push_back(nullptr);
    std::vector<std::string> argumentText = {path};
    argumentText.insert(argumentText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& text : argumentText) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        execve(path.c_str(), argv.data(), environment.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "probe status " << status;

    ProbeReport report;
    std::ifstream file(reportFile, std::ios::binary);
    std::getline(file, report.appName);
    std::getline(file, report.exeFolder);
    std::getline(file, report.commandLine);
    return report;
}

}  // namespace corvallo::test
