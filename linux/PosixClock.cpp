#include "linux/PosixClock.h"

#include <QDateTime>

namespace corvallo {

LocalDateTime PosixClock::now() const {
    // QDateTime applies the time zone in force at each call, daylight saving
    // time included, so a zone changed while the program runs is seen at once.
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    LocalDateTime result;
    result.date = std::chrono::year_month_day{std::chrono::year{date.year()},
                                              std::chrono::month{unsigned(date.month())},
                                              std::chrono::day{unsigned(date.day())}};
    result.hour = time.hour();
    result.minute = time.minute();
    result.second = time.second();
    return result;
}

std::chrono::steady_clock::time_point PosixClock::steadyNow() const {
    return std::chrono::steady_clock::now();  // CLOCK_MONOTONIC
}

}  // namespace corvallo
