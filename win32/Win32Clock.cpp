#include "win32/Win32Clock.h"

#include <windows.h>

namespace corvallo {

LocalDateTime Win32Clock::now() const {
    // GetLocalTime applies the user's time zone and daylight saving time.
    SYSTEMTIME time{};
    GetLocalTime(&time);
    LocalDateTime result;
    result.date =
        std::chrono::year_month_day{std::chrono::year{time.wYear}, std::chrono::month{time.wMonth},
                                    std::chrono::day{time.wDay}};
    result.hour = time.wHour;
    result.minute = time.wMinute;
    result.second = time.wSecond;
    return result;
}

std::chrono::steady_clock::time_point Win32Clock::steadyNow() const {
    // QueryPerformanceCounter underneath with both MSVC and MinGW.
    return std::chrono::steady_clock::now();
}

}  // namespace corvallo
