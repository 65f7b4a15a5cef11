#pragma once

#include <optional>
#include <string>

#include "core/ports/Process.h"

namespace corvallo {

// The running program as Windows sees it. The executable's path and the
// command line are read once, when the object is made.
class Win32Process final : public Process {
  public:
    Win32Process();
    ~Win32Process() override;

    [[nodiscard]] std::string appName() const override;
    [[nodiscard]] std::string exeFolder() const override;
    [[nodiscard]] std::string commandLine() const override;

    // Claims a named mutex, "Local\Corvallo.<app name>.SingleInstance", in the
    // user's logon session. The object creating it keeps it open for the
    // lifetime of this object (so of the program); the mutex dies with the
    // last handle, also when the program is killed. Creation and the check for
    // an existing one are a single step in the kernel, so of two copies
    // started at the same moment exactly one sees false. Later calls return
    // the first answer.
    [[nodiscard]] bool anotherInstanceRunning() override;

    // Posts WM_QUIT to this thread's message queue: the message loop ends
    // after the current message has been handled.
    void exit() override;

  private:
    std::wstring folder_;
    std::wstring fileName_;
    std::wstring arguments_;
    std::optional<bool> anotherInstance_;
    void* mutex_ = nullptr;  // HANDLE
};

}  // namespace corvallo
