#include "win32/Win32Clock.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace corvallo {
namespace {

// Compared with the C runtime's local time, which reaches the time zone by
// another road; read before and after so that a change of second in between
// is seen and the comparison retried.
TEST(Win32ClockTest, NowIsTheLocalDateAndTime) {
    const Win32Clock clock;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const LocalDateTime now = clock.now();
        const std::time_t after = std::time(nullptr);
        if (before != after) {
            continue;
        }
        std::tm local{};
        ASSERT_EQ(localtime_s(&local, &before), 0);
        EXPECT_EQ(now.date, std::chrono::year_month_day(std::chrono::year{local.tm_year + 1900},
                                                        std::chrono::month(local.tm_mon + 1),
                                                        std::chrono::day(local.tm_mday)));
        EXPECT_EQ(now.hour, local.tm_hour);
        EXPECT_EQ(now.minute, local.tm_min);
        EXPECT_EQ(now.second, local.tm_sec);
        return;
    }
    FAIL() << "the second kept changing";
}

TEST(Win32ClockTest, SteadyTimeMovesWithRealTime) {
    const Win32Clock clock;
    const auto start = clock.steadyNow();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto elapsed = clock.steadyNow() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(45));
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

}  // namespace
}  // namespace corvallo
