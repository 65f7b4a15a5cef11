#pragma once

#include <chrono>

#include "core/ports/NonCopyable.h"

namespace corvallo {

struct LocalDateTime {
    std::chrono::year_month_day date;
    int hour = 0;
    int minute = 0;
    int second = 0;

    [[nodiscard]] int secondOfDay() const { return (hour * 60 + minute) * 60 + second; }
};

class Clock : NonCopyable {
  public:
    virtual ~Clock() = default;

    // The user's local calendar date and time of day, to the second.
    [[nodiscard]] virtual LocalDateTime now() const = 0;

    // A time that only moves forward, at the pace of real time, whatever the
    // user does to the calendar clock; used to measure intervals.
    [[nodiscard]] virtual std::chrono::steady_clock::time_point steadyNow() const = 0;
};

}  // namespace corvallo
