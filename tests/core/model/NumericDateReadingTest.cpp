#include "core/model/NumericDateReading.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace corvallo {
namespace {

using namespace std::chrono;

TEST(NumericDateReadingTest, ReadsExactlyWhatTheNumericPictureWrites) {
    struct Case {
        std::string_view picture;
        std::string_view text;
        std::optional<year_month_day> expected;
    };
    const std::optional<year_month_day> none;
    const std::vector<Case> cases = {
        // The usual pictures, with one- and two-digit days and months.
        {"M/d/yyyy", "12/9/2026", 2026y / December / 9},
        {"M/d/yyyy", "1/2/2026", 2026y / January / 2},
        {"M/d/yyyy", "01/02/2026", 2026y / January / 2},
        {"MM/dd/yyyy", "1/2/2026", 2026y / January / 2},
        {"dd.MM.yyyy", "09.12.2026", 2026y / December / 9},
        {"dd.MM.yyyy", "9.12.2026", 2026y / December / 9},
        {"d.M.yyyy", "31.1.1601", 1601y / January / 31},
        {"yyyy-MM-dd", "2026-12-09", 2026y / December / 9},
        {"yyyy-MM-dd", "9999-12-31", 9999y / December / 31},
        {"d. M. yyyy", "9. 12. 2026", 2026y / December / 9},
        // Quoted literals, '' as a quote inside and outside quoted text.
        {"yyyy'\u5e74'M'\u6708'd'\u65e5'", "2026\u5e749\u670812\u65e5", 2026y / September / 12},
        {"d 'of' M yyyy", "9 of 12 2026", 2026y / December / 9},
        {"d 'of' M yyyy", "9 12 2026", none},
        {"d'''.'M/yyyy", "9'.12/2026", 2026y / December / 9},
        {"d''M''yyyy", "9'12'2026", 2026y / December / 9},
        {"'d'd/M/yyyy", "d9/12/2026", 2026y / December / 9},
        {"'unclosed d/M/yyyy", "unclosed d/M/yyyy", none},
        // The calendar decides.
        {"M/d/yyyy", "2/29/2024", 2024y / February / 29},
        {"M/d/yyyy", "2/29/2000", 2000y / February / 29},
        {"M/d/yyyy", "2/29/2026", none},
        {"M/d/yyyy", "2/29/1900", none},
        {"M/d/yyyy", "13/1/2026", none},
        {"M/d/yyyy", "0/1/2026", none},
        {"M/d/yyyy", "1/0/2026", none},
        {"M/d/yyyy", "4/31/2026", none},
        // The whole text, and only digits where the fields are.
        {"M/d/yyyy", "12/9/2026 23:59:59", none},
        {"M/d/yyyy", " 12/9/2026", none},
        {"M/d/yyyy", "12/9/2026 ", none},
        {"M/d/yyyy", "123/9/2026", none},
        {"M/d/yyyy", "12/9/26", none},
        {"M/d/yyyy", "12/9/20261", none},
        {"M/d/yyyy", "12-9-2026", none},
        {"M/d/yyyy", "12/x/2026", none},
        {"M/d/yyyy", "", none},
        {"dd.MM.yyyy", "09/12/2026", none},
        // Pictures that are not purely numeric, or miss or repeat a field.
        {"ddd M/d/yyyy", "Wed 12/9/2026", none},
        {"dddd, MMMM d, yyyy", "Wednesday, December 9, 2026", none},
        {"MMM d yyyy", "12 9 2026", none},
        {"gg yyyy/M/d", "AD 2026/12/9", none},
        {"M/d/yy", "12/9/26", none},
        {"M/d/yyyyy", "12/9/02026", none},
        {"M/d/yyyy h", "12/9/2026 1", none},
        {"M/yyyy", "12/2026", none},
        {"M/d/yyyy/d", "12/9/2026/9", none},
        {"yyyyMMdd", "20261209", none},
        {"", "", none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.picture << "\" reading \"" << c.text << '"');
        EXPECT_EQ(readNumericDate<char>(c.text, c.picture), c.expected);
    }
}

}  // namespace
}  // namespace corvallo
