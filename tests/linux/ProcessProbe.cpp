#include "ProcessProbe.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "linux/LockFileProcess.h"

namespace corvallo::test {

bool isProcessProbe() {
    return std::getenv(kProbeReportVariable) != nullptr;
}

int runProcessProbe(int argc, char** argv) {
    if (const char* removed = std::getenv(kProbeRemovesVariable)) {
        if (unlink(removed) != 0) {
            return 1;
        }
    }
    const LockFileProcess process(argc, argv, [] {});
    std::ofstream report(std::getenv(kProbeReportVariable), std::ios::binary);
    report << process.appName() << '\n' << process.exeFolder() << '\n' << process.commandLine();
    return report.good() ? 0 : 1;
}

}  // namespace corvallo::test
