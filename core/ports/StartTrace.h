#pragma once

#include <string_view>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// Marks the steps of the program's start as it reaches them, so that a
// developer can see where the time before the first window goes. Off in a
// normal start: reaching a step then costs one virtual call.
class StartTrace : NonCopyable {
  public:
    virtual ~StartTrace() = default;

    // The start has just finished `step`. Never fails: a trace that cannot be
    // written must not change the start it measures.
    virtual void reached(std::string_view step) noexcept = 0;
};

// The trace of a start nobody measures.
class NoStartTrace final : public StartTrace {
  public:
    void reached(std::string_view) noexcept override {}
};

}  // namespace corvallo
