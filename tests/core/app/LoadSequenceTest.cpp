#include <gtest/gtest.h>

#include "core/fakes/Harness.h"
#include "core/model/Scramble.h"
#include "core/model/TipCatalogue.h"

namespace corvallo {
namespace {

using fakes::Harness;
using namespace std::chrono;

TEST(LoadSequence, FirstRunStoresDefaultsAndShowsSettingsPanel) {
    Harness h;
    h.random.draws = {0.5};  // the first random tip: floor(0.5 * 30 + 1) = 16
    ASSERT_TRUE(h.start());

    EXPECT_EQ(h.store.at("Date"), h.today());
    EXPECT_EQ(h.store.at("Hour"), "7");
    EXPECT_EQ(h.store.at("Minute"), "0");
    EXPECT_EQ(h.store.at("Second"), "0");
    EXPECT_EQ(h.store.at("Card"), "16");
    EXPECT_EQ(h.mainView.picture, 16);
    EXPECT_EQ(h.mainView.settingsPicture, 16);
    EXPECT_EQ(h.mainView.description, kTips[16]);
    EXPECT_EQ(h.mainView.front, Panel::Settings);
    EXPECT_TRUE(h.mainView.visible);
    // Loading the settings has put the stored display time into the lists.
    EXPECT_EQ(h.mainView.selectedText(ListId::Hour), "7");
    EXPECT_EQ(h.mainView.selectedText(ListId::Minute), "0");
    EXPECT_EQ(h.mainView.selectedText(ListId::Second), "0");
    // The update reminder recorded its first check, scrambled, without asking.
    EXPECT_TRUE(h.messages.shown.empty());
    const std::string durationKey = scramble("Duration", h.codePage);
    EXPECT_EQ(unscramble(h.store.at(durationKey), h.codePage), h.today());
    // Nothing else: the start-up choices are stored only when saved.
    EXPECT_EQ(h.store.values.size(), 6u);
}

TEST(LoadSequence, ListsAreFilledInOrderAndDateListsStartAtFirstEntry) {
    Harness h;
    ASSERT_TRUE(h.start());
    const auto& lists = h.mainView.lists;
    EXPECT_EQ(lists.at(ListId::Date).size(), 31u);
    EXPECT_EQ(lists.at(ListId::Date).back(), "31");
    EXPECT_EQ(lists.at(ListId::Month).at(1), "February");
    EXPECT_EQ(lists.at(ListId::Year).size(), 150u);
    EXPECT_EQ(lists.at(ListId::Year).front(), "1901");
    EXPECT_EQ(lists.at(ListId::Year).back(), "2050");
    EXPECT_EQ(lists.at(ListId::Hour).size(), 24u);
    EXPECT_EQ(lists.at(ListId::Minute).at(7), "7");
    EXPECT_EQ(lists.at(ListId::Second).size(), 60u);
    EXPECT_EQ(h.mainView.listIndex(ListId::Date), 0);
    EXPECT_EQ(h.mainView.listIndex(ListId::Month), 0);
    EXPECT_EQ(h.mainView.listIndex(ListId::Year), 0);
}

TEST(LoadSequence, LaterRunBringsNewTipOnlyWhenDue) {
    struct Case {
        const char* name;
        int dueInDays;  // the stored "Date" relative to today
        bool due;
    };
    const Case cases[] = {
        {"due date a week ago", -7, true},
        {"due today (the day of the first run)", 0, true},
        {"due tomorrow", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.storeLaterRun("12", c.dueInDays);
        // One draw for the tip put on show first, one for the due tip.
        h.random.draws = {0.0, 29.5 / 30};
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.mainView.front, Panel::Tip);
        if (c.due) {
            EXPECT_EQ(h.store.at("Card"), "30");
            EXPECT_EQ(h.mainView.description, kTips[30]);
            EXPECT_EQ(h.mainView.picture, 30);
            EXPECT_EQ(h.store.at("Date"), h.today(1));
        } else {
            EXPECT_EQ(h.store.at("Card"), "12");
            EXPECT_EQ(h.mainView.description, kTips[12]);
            EXPECT_EQ(h.mainView.settingsPicture, 12);
            EXPECT_EQ(h.store.at("Date"), h.today(1));
        }
    }
}

TEST(LoadSequence, SecondStartOnTheSameDayKeepsTheTip) {
    Harness first;
    first.storeLaterRun("3", -2);
    first.random.draws = {0.0, 0.4};  // new tip 13
    ASSERT_TRUE(first.start());
    ASSERT_EQ(first.store.at("Card"), "13");

    Harness second;
    second.store.values = first.store.values;
    second.random.draws = {0.9, 0.9};
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.store.at("Card"), "13");
    EXPECT_EQ(second.store.at("Date"), first.store.at("Date"));
    EXPECT_EQ(second.mainView.description, kTips[13]);
}

TEST(LoadSequence, DamagedCardOrDateAtStart) {
    struct Case {
        const char* card;
        const char* date;  // nullptr: tomorrow, not due
        std::string storedCard;
        int picture;  // the pictures on show
        std::string description;
    };
    const Case cases[] = {
        // Not due: the stored index goes back on show as far as it can.
        {"0", nullptr, "0", 1, ""},
        {"abc", nullptr, "0", 1, ""},
        {"", nullptr, "0", 1, ""},
        {"31", nullptr, "31", 1, std::string(kTips[1])},
        {"-4", nullptr, "-4", 1, std::string(kTips[1])},
        {"99999999999", nullptr, "0", 1, ""},
        // A "Date" that does not read as a date makes the start due.
        {"5", "not a date", "16", 16, std::string(kTips[16])},
        {"5", "", "16", 16, std::string(kTips[16])},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("Card '") + c.card + "', Date '" + (c.date ? c.date : "tomorrow") +
                     "'");
        Harness h;
        h.storeLaterRun(c.card, 1);
        if (c.date) {
            h.store.values["Date"] = c.date;
        }
        h.random.draws = {0.0, 0.5};
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.store.at("Card"), c.storedCard);
        EXPECT_EQ(h.mainView.picture, c.picture);
        EXPECT_EQ(h.mainView.description, c.description);
        if (c.date) {
            EXPECT_EQ(h.store.at("Date"), h.today(1));
        }
    }
}

TEST(LoadSequence, StartUpOptionsAndTrayStart) {
    struct Case {
        const char* name;
        bool runValue;
        const char* runAtSysTray;
        const char* systemTray;
        const char* autorun;
        const char* commandLine;
        bool inTray;
        bool runValueAfter;
    };
    const Case cases[] = {
        {"log-on start, tray wanted", true, "True", "True", "True", "/STARTUP", true, true},
        {"switch anywhere", true, "True", "True", "True", "-x /STARTUP -y", true, true},
        {"switch in lower case", true, "True", "True", "True", "/startup", false, true},
        {"started by the user", true, "True", "True", "True", "", false, true},
        {"tray flag not exactly True", true, "true", "True", "True", "/STARTUP", false, true},
        {"no Run value", false, "True", "True", "True", "/STARTUP", false, true},
        {"Run value but AutorunStartUp false", true, "True", "False", "False", "/STARTUP", true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.storeLaterRun("4", 1);
        h.store.values["RunAtSysTray"] = c.runAtSysTray;
        h.store.values["SystemTray"] = c.systemTray;
        h.store.values["AutorunStartUp"] = c.autorun;
        if (c.runValue) {
            h.startupEntry.entries["Corvallo"] = "C:\\Old /STARTUP";
        }
        h.process.arguments = c.commandLine;
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.mainView.visible, !c.inTray);
        EXPECT_EQ(h.tray.present, c.inTray);
        EXPECT_EQ(h.startupEntry.present("Corvallo"), c.runValueAfter);
        if (c.runValueAfter) {
            // Whatever the value held, it now names the program's own folder.
            EXPECT_EQ(h.startupEntry.entries["Corvallo"], "C:\\Program Files\\Corvallo /STARTUP");
        }
    }
}

TEST(LoadSequence, LoadingSettingsStopsAtFirstDamagedValue) {
    struct Case {
        const char* autorun;
        const char* hour;
        StartupOption option;
        std::string hourShown;
        std::string minuteShown;
    };
    const Case cases[] = {
        {"TRUE", "18", StartupOption::Run, "18", "0"},
        {"1", "18", StartupOption::Run, "18", "0"},
        {"0", "18", StartupOption::DontRun, "18", "0"},
        {"yes", "18", StartupOption::DontRun, "", ""},  // stops after its first step
        {"False", "07", StartupOption::DontRun, "", ""},
        {"False", "24", StartupOption::DontRun, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("AutorunStartUp '") + c.autorun + "', Hour '" + c.hour + "'");
        Harness h;
        h.storeLaterRun("4", 1);
        h.store.values["AutorunStartUp"] = c.autorun;
        h.store.values["Hour"] = c.hour;
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.mainView.option, c.option);
        EXPECT_EQ(h.mainView.selectedText(ListId::Hour), c.hourShown);
        EXPECT_EQ(h.mainView.selectedText(ListId::Minute), c.minuteShown);
        EXPECT_TRUE(h.messages.shown.empty());
    }
}

TEST(LoadSequence, UnwritableStoreNeverStopsTheStart) {
    Harness h;
    h.store.failWrites = true;
    h.random.draws = {0.1};
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.mainView.visible);
    EXPECT_EQ(h.mainView.picture, 4);  // the random tip is on show all the same
    EXPECT_EQ(h.mainView.front, Panel::Settings);
    EXPECT_TRUE(h.store.values.empty());
    EXPECT_TRUE(h.messages.shown.empty());
}

TEST(LoadSequence, UnreadableStoreNeverStopsTheStart) {
    Harness h;
    h.store.failReads = true;
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.mainView.visible);
    EXPECT_EQ(h.mainView.lists.at(ListId::Hour).size(), 24u);
    EXPECT_TRUE(h.messages.shown.empty());
}

}  // namespace
}  // namespace corvallo
