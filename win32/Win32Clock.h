#pragma once

#include <chrono>

#include "core/ports/Clock.h"

namespace corvallo {

// The local calendar clock of Windows and the standard steady clock.
class Win32Clock final : public Clock {
  public:
    [[nodiscard]] LocalDateTime now() const override;
    [[nodiscard]] std::chrono::steady_clock::time_point steadyNow() const override;
};

}  // namespace corvallo
