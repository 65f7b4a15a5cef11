#pragma once

namespace corvallo::test {

// Started with this variable set to a file name, the test program is a probe:
// it writes what a LockFileProcess made from its arguments reports (app name,
// folder and command line, one a line) to that file and ends, before any
// test or Qt starts.
inline constexpr const char* kProbeReportVariable = "CORVALLO_PROBE_REPORT";

[[nodiscard]] bool isProcessProbe();
int runProcessProbe(int argc, char** argv);

}  // namespace corvallo::test
