#pragma once

#include <cstdio>
#include <functional>

#include "core/ports/StartTrace.h"

namespace corvallo {

// A start trace written as text, one line per step: the milliseconds since
// the process started, then the step's name. Each line is flushed at once, so
// that a start that never reaches its window still leaves its trace.
class StartTraceLog final : public StartTrace {
  public:
    // Takes `file` (opened for writing by the front-end, which knows how its
    // platform spells paths) and closes it; a null file turns the trace off.
    StartTraceLog(std::FILE* file, std::function<double()> millisecondsSinceProcessStart);
    ~StartTraceLog() override;

    void reached(std::string_view step) noexcept override;

  private:
    std::FILE* file_;
    std::function<double()> sinceStart_;
};

}  // namespace corvallo
