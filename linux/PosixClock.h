#pragma once

#include "core/ports/Clock.h"

namespace corvallo {

// The system clock in the user's time zone (TZ, or /etc/localtime), read
// through QDateTime.
class PosixClock final : public Clock {
  public:
    [[nodiscard]] LocalDateTime now() const override;
    [[nodiscard]] std::chrono::steady_clock::time_point steadyNow() const override;
};

}  // namespace corvallo
