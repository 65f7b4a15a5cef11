#include "linux/QtDateText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvallo {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

QtDateText textIn(const char* locale) {
    return QtDateText(QLocale(QString::fromLatin1(locale)));
}

TEST(QtDateTextTest, DatesFrom1900To2099ReadBackAsThemselvesInEveryLocale) {
    std::vector<year_month_day> dates = {year{1900} / 1 / 1, year{1999} / 12 / 31,
                                         year{2024} / 2 / 29, year{2050} / 1 / 1,
                                         year{2099} / 12 / 31};
    // The 1st and the 13th of every month of some years, so that a swap of
    // day and month, or a lost century, shows.
    for (const int y : {1901, 1950, 2012, 2049, 2077}) {
        for (unsigned m = 1; m <= 12; ++m) {
            dates.push_back(year{y} / month{m} / day{1});
            dates.push_back(year{y} / month{m} / day{13});
        }
    }
    for (const char* locale : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG", "he_IL"}) {
        SCOPED_TRACE(locale);
        const QtDateText text = textIn(locale);
        for (const auto& date : dates) {
            const std::string written = text.format(date);
            ASSERT_EQ(text.parse(written), std::optional(date)) << written;
        }
    }
}

TEST(QtDateTextTest, FormatIsTheLocalesShortDateWithAFourDigitYear) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"en_US", "2/9/2050"},
        {"de_DE", "09.02.2050"},
        {"ja_JP", "2050/02/09"},
        {"ar_EG", "٩\u200F/٢\u200F/٢٠٥٠"},
    };
    for (const auto& [locale, text] : cases) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(textIn(locale).format(year{2050} / 2 / 9), text);
    }
}

TEST(QtDateTextTest, ParseTakesTheLocalesOwnFormatsIsoAndIgnoresATimeOfDay) {
    struct Case {
        const char* locale;
        std::string text;
        year_month_day date;
    };
    const std::vector<Case> cases = {
        {"en_US", "12/31/99", year{1999} / 12 / 31},
        {"en_US", "  12/31/1999 11:59:59 PM ", year{1999} / 12 / 31},
        {"en_US", "Thursday, February 29, 2024 23:59", year{2024} / 2 / 29},
        {"de_DE", "Donnerstag, 29. Februar 2024", year{2024} / 2 / 29},
        {"de_DE", "2050-01-01 00:00", year{2050} / 1 / 1},
        {"he_IL", "יום חמישי, 29 בפברואר 2024", year{2024} / 2 / 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textIn(c.locale).parse(c.text), std::optional(c.date));
    }
}

TEST(QtDateTextTest, TextThatIsNoDateReadsAsNothing) {
    const QtDateText text = textIn("en_US");
    for (const std::string garbage : {"", "   ", "hello", "12/31", "2/30/2024", "13/1/2024",
                                      "2024-02-30", "1/1/2050x", "x 1/1/2050", "31.12.1999"}) {
        SCOPED_TRACE(garbage);
        EXPECT_EQ(text.parse(garbage), std::nullopt);
    }
}

}  // namespace
}  // namespace corvallo
