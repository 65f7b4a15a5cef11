#pragma once

#include <string>
#include <vector>

namespace corvallo::test {

// The test program doubles as a probe: started with CORVALLO_PROBE_REPORT set
// to a file name, it makes a LockFileProcess from its own arguments, writes
// what that reports to the file (app name, folder, command line, one a line)
// and ends, before any test or Qt starts.
[[nodiscard]] bool isProcessProbe();
int runProcessProbe(int argc, char** argv);

struct ProbeReport {
    std::string appName;
    std::string exeFolder;
    std::string commandLine;
};

// Runs the executable at `path` as a probe with the arguments, waits for it
// and reads its report.
[[nodiscard]] ProbeReport runProbe(const std::string& path,
                                   const std::vector<std::string>& arguments,
                                   const std::string& reportFile);

}  // namespace corvallo::test
