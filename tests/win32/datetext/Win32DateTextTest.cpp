// Run once per locale (see CMakeLists.txt): CORVALLO_EXPECTED_DATE holds how
// that locale writes 9 December 2026, which shows that the locale asked for
// is the one Windows (Wine) really uses.
#include "win32/Win32DateText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "win32/OleAutomation.h"
#include "win32/Utf16.h"

namespace corvallo {
namespace {

using namespace std::chrono;

// What the OLE date reader (VarDateFromStr) makes of a text in the user's
// locale, its time of day dropped: the reading every text must keep.
std::optional<year_month_day> oleReading(const std::string& text) {
    const std::wstring wide = win32::toUtf16(text);
    DATE value = 0;
    if (FAILED(win32::ole_automation::dateFromText(wide.c_str(), LOCALE_USER_DEFAULT, 0, &value))) {
        return std::nullopt;
    }
    SYSTEMTIME time{};
    if (win32::ole_automation::variantTimeToSystemTime(std::trunc(value), &time) == FALSE) {
        return std::nullopt;
    }
    return year{time.wYear} / month{time.wMonth} / day{time.wDay};
}

bool userLocaleIs(const wchar_t* name) {
    wchar_t user[LOCALE_NAME_MAX_LENGTH] = {};
    return GetUserDefaultLocaleName(user, LOCALE_NAME_MAX_LENGTH) > 0 && std::wstring(user) == name;
}

// First in the file, so that no other test has loaded the library yet: the
// dates a start reads back are read without the OLE Automation library, in a
// locale whose years are those of the Gregorian calendar.
TEST(Win32DateTextTest, StoredDatesAreReadWithoutTheOleLibrary) {
    DWORD calendar = 0;
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER,
                    reinterpret_cast<wchar_t*>(&calendar), sizeof(calendar) / sizeof(wchar_t));
    if (calendar != CAL_GREGORIAN && calendar != CAL_GREGORIAN_US) {
        GTEST_SKIP() << "calendar " << calendar << " numbers its years otherwise";
    }
    ASSERT_EQ(GetModuleHandleW(L"oleaut32.dll"), nullptr) << "loaded before any date was read";
    const Win32DateText dates;
    for (const auto date : {2026y / December / 9, 2024y / February / 29, 1601y / January / 1}) {
        const std::string text = dates.format(date);
        SCOPED_TRACE(text);
        EXPECT_EQ(dates.parse(text), std::optional<year_month_day>(date));
    }
    EXPECT_EQ(GetModuleHandleW(L"oleaut32.dll"), nullptr);
}

TEST(Win32DateTextTest, WrittenDatesReadBackAsTheOleReaderReadsThem) {
    const Win32DateText dates;
    const std::vector<year_month_day> cases = {
        1601y / January / 1,   1601y / January / 2,  1601y / December / 31, 1899y / December / 30,
        1899y / December / 29, 1900y / March / 1,    2024y / February / 29, 2026y / January / 2,
        2026y / February / 1,  2026y / December / 9, 2026y / October / 12,  9999y / December / 31,
    };
    for (const auto& date : cases) {
        const std::string text = dates.format(date);
        SCOPED_TRACE(text);
        ASSERT_FALSE(text.empty());
        const auto ole = oleReading(text);
        EXPECT_EQ(ole, std::optional<year_month_day>(date));
        EXPECT_EQ(dates.parse(text), ole);
    }
}

TEST(Win32DateTextTest, OtherTextsAreReadByTheOleReaderAsBefore) {
    struct Case {
        const char* text;
        // What en-US reads, where the test states it.
        std::optional<year_month_day> inUnitedStates;
    };
    const std::vector<Case> cases = {
        // Day and month swapped where the locale's order gives no date.
        {"13/1/2026", 2026y / January / 13},
        {"1/2/2026 23:59:59", 2026y / January / 2},
        {"1/2/2026 0:00", 2026y / January / 2},
        {" 1/2/2026", 2026y / January / 2},
        {"January 2, 2026", 2026y / January / 2},
        {"2 January 2026", 2026y / January / 2},
        {"2026-01-02", 2026y / January / 2},
        {"1/2/26", 2026y / January / 2},
        {"1/2/0050", std::nullopt},
        {"2/29/2026", std::nullopt},
    };
    const Win32DateText dates;
    const bool unitedStates = userLocaleIs(L"en-US");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto ole = oleReading(c.text);
        EXPECT_EQ(dates.parse(c.text), ole);
        if (unitedStates && c.inUnitedStates) {
            EXPECT_EQ(ole, c.inUnitedStates);
        }
    }
}

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
