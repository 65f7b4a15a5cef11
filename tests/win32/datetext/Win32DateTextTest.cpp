// Run once per locale (see CMakeLists.txt): CORVALLO_EXPECTED_DATE holds how
// that locale writes 9 December 2026, which shows that the locale asked for
// is the one Windows (Wine) really uses.
#include "win32/Win32DateText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace corvallo {
namespace {

using namespace std::chrono;

TEST(Win32DateTextTest, WritesTheUsersShortDate) {
    const char* expected = std::getenv("CORVALLO_EXPECTED_DATE");
    ASSERT_NE(expected, nullptr) << "run through ctest, which sets the locale";
    const Win32DateText dates;
    EXPECT_EQ(dates.format(2026y / December / 9), expected);
    EXPECT_EQ(dates.parse(expected), std::optional<year_month_day>(2026y / December / 9));
}

TEST(Win32DateTextTest, DatesRoundTripWithTheirCentury) {
    const Win32DateText dates;
    const std::vector<year_month_day> cases = {
        2028y / February / 29, 1999y / December / 31, 2050y / January / 1,
        2029y / December / 31, 1930y / January / 1,   2000y / February / 29,
        1900y / March / 1,     2099y / July / 4,      9999y / December / 31,
    };
    for (const auto& date : cases) {
        const std::string text = dates.format(date);
        SCOPED_TRACE(text);
        EXPECT_NE(text.find(std::to_string(static_cast<int>(date.year()))), std::string::npos);
        EXPECT_EQ(dates.parse(text), std::optional<year_month_day>(date));
    }
}

TEST(Win32DateTextTest, TimeOfDayIsIgnored) {
    const Win32DateText dates;
    const std::string day = dates.format(2026y / December / 9);
    for (const char* time : {" 00:00:00", " 14:30", " 23:59:59"}) {
        SCOPED_TRACE(time);
        EXPECT_EQ(dates.parse(day + time), std::optional<year_month_day>(2026y / December / 9));
    }
}

TEST(Win32DateTextTest, TextThatIsNoDateGivesNothing) {
    const Win32DateText dates;
    for (const char* text : {"", "garbage", "not a date", "Zürich 東京", "//", "12/9/2026x7"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(dates.parse(text), std::nullopt);
    }
}

TEST(Win32DateTextTest, DateOutsideTheCalendarHasNoText) {
    const Win32DateText dates;
    EXPECT_EQ(dates.format(2026y / February / 30), "");
    EXPECT_EQ(dates.format(1500y / January / 1), "");
}

}  // namespace
}  // namespace corvallo
