#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/ports/Process.h"

namespace corvallo {

// The running program as Linux sees it. The executable's path and the
// arguments are read once, when the object is made.
class LockFileProcess final : public Process {
  public:
    // `endProgram` ends the program once the current event returns (main
    // passes one that quits Qt's event loop).
    LockFileProcess(int argc, const char* const* argv, std::function<void()> endProgram);
    ~LockFileProcess() override;

    // From /proc/self/exe (so symbolic links are resolved), else argv[0]: the
    // file name without a final extension, and its folder.
    [[nodiscard]] std::string appName() const override;
    [[nodiscard]] std::string exeFolder() const override;
    // argv[1] onwards, joined with single blanks.
    [[nodiscard]] std::string commandLine() const override;

    // Holds an exclusive flock on <runtime dir>/<app name>.lock for as long as
    // this object lives; the kernel drops it when the process ends, however
    // it ends. Taking the lock is one atomic step, so of two copies asking at
    // the same moment exactly one gets false. Later calls return the first
    // answer.
    [[nodiscard]] bool anotherInstanceRunning() override;

    void exit() override;

  private:
    std::string folder_;
    std::string fileName_;
    std::string arguments_;
    std::function<void()> endProgram_;
    std::optional<bool> anotherInstance_;
    int lock_ = -1;
};

}  // namespace corvallo
