#include "core/model/UpdateReminder.h"

#include <gtest/gtest.h>

#include "core/fakes/FakeCodePage.h"
#include "core/fakes/Harness.h"
#include "core/model/Scramble.h"
#include "core/model/WebPages.h"

namespace corvallo {
namespace {

using fakes::FakeDateText;
using fakes::Harness;
using namespace std::chrono;

TEST(Scramble, ShiftsByEightyFiveAndDropsWhatDoesNotFit) {
    const Latin1CodePage latin1;
    EXPECT_EQ(scramble("abc", latin1), "\u00b6\u00b7\u00b8");  // codes 182, 183, 184
    EXPECT_EQ(unscramble("\u00b6\u00b7\u00b8", latin1), "abc");
    EXPECT_EQ(scramble("a\u00c8b", latin1), "\u00b6\u00b7");  // code 200 disappears
    EXPECT_EQ(unscramble("A\u00b6", latin1), "a");            // codes below 85 too
    EXPECT_EQ(scramble("\u6771", latin1), "");                // not in the code page
    for (const char* text : {"Duration", "12/9/2026", "09.12.2026", "2026-12-09", ""}) {
        SCOPED_TRACE(text);
        const std::string scrambled = scramble(text, latin1);
        // Nothing of the text stays readable: every character leaves ASCII.
        for (const char byte : scrambled) {
            EXPECT_GE(static_cast<unsigned char>(byte), 0x80);
        }
        EXPECT_EQ(unscramble(scrambled, latin1), text);
    }
}

// Stores a last check `daysAgo` days before today (negative: in the future).
struct Reminder : Harness {
    std::string key() { return scramble("Duration", codePage); }
    void storeLastCheck(int daysAgo) { store.values[key()] = scramble(today(-daysAgo), codePage); }
    std::string lastCheck() { return unscramble(store.at(key()), codePage); }
    void run() {
        UpdateReminder(store, clock, dateText, codePage, messages, browser).remindIfDue();
    }
};

TEST(UpdateReminder, AsksOnlyOutsideFourteenDaysEitherWay) {
    struct Case {
        int daysAgo;
        bool asks;
    };
    const Case cases[] = {{0, false},   {14, false}, {15, true},   {400, true},
                          {-14, false}, {-15, true}, {-3000, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.daysAgo << " days ago");
        Reminder r;
        r.storeLastCheck(c.daysAgo);
        r.messages.answers = {MessageAnswer::No};
        r.run();
        EXPECT_EQ(r.messages.shown.size(), c.asks ? 1u : 0u);
        EXPECT_EQ(r.lastCheck(), c.asks ? r.today() : r.today(-c.daysAgo));
        EXPECT_TRUE(r.browser.opened.empty());
    }
}

TEST(UpdateReminder, YesRecordsTodayThenOpensTheDownloadPage) {
    Reminder r;
    r.storeLastCheck(20);
    r.messages.answers = {MessageAnswer::Yes};
    r.run();
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(
        r.messages.shown[0].text,
        "There maybe an update to this software available\rDo you want to check for an update?");
    EXPECT_EQ(r.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(r.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(r.messages.shown[0].title, "Corvallo");
    EXPECT_EQ(r.lastCheck(), r.today());
    EXPECT_EQ(r.browser.opened, std::vector<std::string>{pageAddress(WebPage::Download)});
}

TEST(UpdateReminder, MissingEmptyOrUnreadableRecordStartsCountingToday) {
    for (const char* stored : {"<absent>", "", "not a date", "31/31/2026"}) {
        SCOPED_TRACE(stored);
        Reminder r;
        if (std::string(stored) != "<absent>") {
            r.store.values[r.key()] = scramble(stored, r.codePage);
        }
        r.run();
        EXPECT_TRUE(r.messages.shown.empty());
        EXPECT_EQ(r.lastCheck(), r.today());
        // And fifteen days later it asks.
        r.clock.advance(days(15));
        r.run();
        EXPECT_EQ(r.messages.shown.size(), 1u);
    }
}

TEST(UpdateReminder, WorksInLocalesWhoseDatesTheScramblingCannotKeep) {
    Reminder r;
    r.dateText.locale = FakeDateText::Locale::Japanese;
    r.run();
    EXPECT_EQ(r.lastCheck(), "2026-12-09");
    r.clock.advance(days(14));
    r.run();
    EXPECT_TRUE(r.messages.shown.empty());
    r.clock.advance(days(1));
    r.run();
    EXPECT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.lastCheck(), "2026-12-24");
}

TEST(UpdateReminder, StoresIsoDatesWhereTheShortDateDoesNotReadBack) {
    Reminder r;
    r.dateText.locale = FakeDateText::Locale::Korean;
    r.run();
    EXPECT_EQ(r.lastCheck(), "2026-12-09");
    r.clock.advance(days(14));
    r.run();
    EXPECT_TRUE(r.messages.shown.empty());
    r.clock.advance(days(6));
    r.run();
    EXPECT_EQ(r.messages.shown.size(), 1u);
}

// The yyyy-mm-dd form has more than four digits of year past 9999 and a
// minus sign before year 0; either must read back, or the reminder would
// start counting again at every start and never ask.
TEST(UpdateReminder, KeepsRecordsOfYearsOutsideFourDigits) {
    struct Case {
        int year;
        const char* stored;
    };
    const Case cases[] = {
        {20266, "20266-12-09"},
        {-1000, "-1000-12-09"},
        {-5, "-005-12-09"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Reminder r;
        r.dateText.locale = FakeDateText::Locale::Japanese;
        r.clock.set(sys_days(year{c.year} / December / 9));
        r.run();
        EXPECT_EQ(r.lastCheck(), c.stored);
        r.clock.advance(days(14));
        r.run();
        EXPECT_TRUE(r.messages.shown.empty());
        EXPECT_EQ(r.lastCheck(), c.stored);
        r.clock.advance(days(1));
        r.run();
        EXPECT_EQ(r.messages.shown.size(), 1u);
    }
}

// On every ANSI code page the program meets, the check it records reads back
// at the next start: quiet within fourteen days, the question after twenty.
// The shifted digits are lead bytes on the double-byte code pages and broken
// sequences in UTF-8; stored as the characters they become, they would come
// back as default characters, and the reminder would start counting anew at
// every start and never ask.
TEST(UpdateReminder, AsksAfterTwentyDaysOnEveryCodePage) {
    // Whether the key and the first record keep the form installed copies
    // hold: the characters the shifted bytes become. "Duration" shifted is
    // lead and trail byte pairs and single characters on the double-byte
    // code pages; the digits shifted are lead bytes there.
    struct Case {
        int codePage;
        bool keyAsCharacters;
        bool recordAsCharacters;
    };
    const Case cases[] = {{874, true, true},  {1250, true, true}, {1251, true, true},
                          {1252, true, true}, {1253, true, true}, {1254, true, true},
                          {1255, true, true}, {1256, true, true}, {1257, true, true},
                          {1258, true, true}, {932, true, false}, {936, true, false},
                          {949, true, false}, {950, true, false}, {65001, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code page " << c.codePage);
        Harness h;
        const fakes::FakeCodePage codePage(c.codePage);
        auto run = [&] {
            UpdateReminder(h.store, h.clock, h.dateText, codePage, h.messages, h.browser)
                .remindIfDue();
        };
        const std::string key = scramble("Duration", codePage);
        EXPECT_EQ(key.front() != '#', c.keyAsCharacters);
        run();
        ASSERT_EQ(h.store.values.count(key), 1u);
        const std::string firstRecord = h.store.at(key);
        EXPECT_EQ(unscramble(firstRecord, codePage), h.today());
        EXPECT_EQ(firstRecord.front() != '#', c.recordAsCharacters);

        h.clock.advance(days(14));
        run();
        EXPECT_TRUE(h.messages.shown.empty());
        EXPECT_EQ(h.store.at(key), firstRecord);

        h.clock.advance(days(6));
        h.messages.answers = {MessageAnswer::No};
        run();
        EXPECT_EQ(h.messages.shown.size(), 1u);
        EXPECT_EQ(unscramble(h.store.at(key), codePage), h.today());
        run();
        EXPECT_EQ(h.messages.shown.size(), 1u);
    }
}

TEST(UpdateReminder, IgnoresYearsOutsideTheCalendar) {
    Reminder r;
    // 40000 does not fit a year; read as one it would wrap to another.
    r.store.values[r.key()] = scramble("40000-12-09", r.codePage);
    r.run();
    EXPECT_TRUE(r.messages.shown.empty());
    EXPECT_EQ(r.lastCheck(), r.today());
}

TEST(UpdateReminder, ReadsRecordsOfTheUsersOwnLocale) {
    Reminder r;
    r.dateText.locale = FakeDateText::Locale::German;
    r.storeLastCheck(15);
    EXPECT_EQ(r.lastCheck(), "24.11.2026");
    r.run();
    EXPECT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.lastCheck(), "09.12.2026");
}

}  // namespace
}  // namespace corvallo
