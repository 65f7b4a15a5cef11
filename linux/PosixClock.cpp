#include "linux/PosixClock.h"

#include <ctime>

namespace corvallo {

LocalDateTime PosixClock::now() const {
    // localtime_r applies the time zone and daylight saving time; unlike
    // localtime it shares no buffer. tzset picks up a TZ changed since the
    // last call, as a change of the user's time zone would be on Windows.
    tzset();
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    LocalDateTime result;
    result.date = std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                              std::chrono::month{unsigned(local.tm_mon + 1)},
                                              std::chrono::day{unsigned(local.tm_mday)}};
    result.hour = local.tm_hour;
    result.minute = local.tm_min;
    // A leap second (60) counts as the last second of its minute.
    result.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    return result;
}

std::chrono::steady_clock::time_point PosixClock::steadyNow() const {
    return std::chrono::steady_clock::now();  // CLOCK_MONOTONIC
}

}  // namespace corvallo
