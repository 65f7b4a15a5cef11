#include "win32/DatePattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

TEST(DatePatternTest, WidensEveryYearToFourDigits) {
    struct Case {
        std::wstring picture;
        std::wstring expected;
    };
    const std::vector<Case> cases = {
        {L"M/d/yyyy", L"M/d/yyyy"},
        {L"dd.MM.yyyy", L"dd.MM.yyyy"},
        {L"dd/MM/yy", L"dd/MM/yyyy"},
        {L"d.M.y", L"d.M.yyyy"},
        {L"yy-MM-dd", L"yyyy-MM-dd"},
        {L"yyyyy/M/d", L"yyyy/M/d"},
        {L"yyyy'\u5e74'M'\u6708'd'\u65e5'", L"yyyy'\u5e74'M'\u6708'd'\u65e5'"},
        {L"d 'of the year' yy", L"d 'of the year' yyyy"},
        {L"d 'it''s' yy", L"d 'it''s' yyyy"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.picture));
        EXPECT_EQ(withFourDigitYear(c.picture), c.expected);
    }
}

}  // namespace
}  // namespace corvallo::win32
