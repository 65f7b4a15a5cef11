#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace corvallo::test {

// What the probe program reported.
struct ProbeReport {
    std::string appName;
    std::string exeFolder;
    std::string commandLine;
    std::optional<bool> anotherInstance;
};

// What the probe is told to do besides reporting.
struct ProbeOptions {
    bool claim = false;         // ask anotherInstanceRunning()
    std::wstring readyEvent;    // set once the report is written
    std::wstring releaseEvent;  // waited for before exiting
};

// A copy of the probe program (built next to the test program) under a new
// random name, in a new folder whose name has spaces and Cyrillic letters;
// both are deleted at the end. The random name also keeps the probe's
// single-instance mutex apart from that of any other test running at the
// same time.
class ProbeCopy {
  public:
    ProbeCopy();
    ~ProbeCopy();
    ProbeCopy(const ProbeCopy&) = delete;
    ProbeCopy& operator=(const ProbeCopy&) = delete;

    [[nodiscard]] const std::wstring& folder() const { return folder_; }
    [[nodiscard]] const std::wstring& path() const { return path_; }
    [[nodiscard]] const std::wstring& baseName() const { return baseName_; }

    // Starts the probe with that command line (GetCommandLineW in the probe
    // returns it as it is); returns the process handle and the report file.
    struct Started {
        HANDLE process = nullptr;
        std::wstring reportFile;
    };
    [[nodiscard]] Started start(const std::wstring& commandLine, const ProbeOptions& options);

    // Starts the probe, waits for it to end and returns its report.
    [[nodiscard]] ProbeReport run(const std::wstring& commandLine,
                                  const ProbeOptions& options = {});

    [[nodiscard]] static ProbeReport readReport(const std::wstring& file);

  private:
    std::wstring folder_;
    std::wstring baseName_;
    std::wstring path_;
    std::vector<std::wstring> reports_;
};

}  // namespace corvallo::test
