#include "core/model/DatePattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvallo {
namespace {

TEST(DatePatternTest, WidensEveryYearToFourDigits) {
    struct Case {
        std::u16string picture;
        std::u16string expected;
    };
    const std::vector<Case> cases = {
        {u"M/d/yyyy", u"M/d/yyyy"},
        {u"dd.MM.yyyy", u"dd.MM.yyyy"},
        {u"dd/MM/yy", u"dd/MM/yyyy"},
        {u"d.M.y", u"d.M.yyyy"},
        {u"yy-MM-dd", u"yyyy-MM-dd"},
        {u"yyyyy/M/d", u"yyyy/M/d"},
        {u"yyyy'\u5e74'M'\u6708'd'\u65e5'", u"yyyy'\u5e74'M'\u6708'd'\u65e5'"},
        {u"d 'of the year' yy", u"d 'of the year' yyyy"},
        {u"d 'it''s' yy", u"d 'it''s' yyyy"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.picture));
        EXPECT_EQ(withFourDigitYear<char16_t>(c.picture), c.expected);
    }
}

}  // namespace
}  // namespace corvallo
