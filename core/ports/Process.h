#pragma once

#include <string>

#include "core/ports/NonCopyable.h"

namespace corvallo {

class Process : NonCopyable {
  public:
    virtual ~Process() = default;

    // The executable's file name without folder and extension.
    [[nodiscard]] virtual std::string appName() const = 0;

    // The folder that holds the running executable, without a trailing separator.
    [[nodiscard]] virtual std::string exeFolder() const = 0;

    // The argument text after the program's own path.
    [[nodiscard]] virtual std::string commandLine() const = 0;

    // True when another copy of this program already runs in the user's
    // session. The first call claims the program's place; two copies asking at
    // the same moment never both get false.
    [[nodiscard]] virtual bool anotherInstanceRunning() = 0;

    // Ends the process once the current event returns.
    virtual void exit() = 0;
};

}  // namespace corvallo
