#pragma once

namespace corvallo::test {

// Started with this variable set to a file name, the test program is a probe:
// it writes what a LockFileProcess made from its arguments reports (app name,
// folder and command line, one a line) to that file and ends, before any
// test or Qt starts.
inline constexpr const char* kProbeReportVariable = "CORVALLO_PROBE_REPORT";
// With this one set to a path as well, the probe first removes that file (its
// own executable), as an update of the program while it runs would.
inline constexpr const char* kProbeRemovesVariable = "CORVALLO_PROBE_REMOVES";

[[nodiscard]] bool isProcessProbe();
int runProcessProbe(int argc, char** argv);

}  // namespace corvallo::test
