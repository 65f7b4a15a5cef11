#include <gtest/gtest.h>

#include "core/fakes/Harness.h"
#include "core/model/TipCatalogue.h"

namespace corvallo {
namespace {

using fakes::Harness;
using namespace std::chrono;

// A running program, hidden in the notification area, showing tip 4; its
// next tip is due tomorrow, or today when `dueToday`. The clock stands at
// `start` today and the timer has just ticked.
struct Running : Harness {
    explicit Running(seconds start, bool dueToday = false) {
        clock.set(sys_days(2026y / December / 9) + start);
        storeLaterRun("4", 1);
        random.draws = {0.1, 0.1};
        EXPECT_TRUE(this->start());
        if (dueToday) {
            store.values["Date"] = today();
        }
        main().tray().hideToTray();
        main().tick();
        mainView.showCalls = 0;
    }
    // Ticks every `interval` for `count` ticks, with a trace of the clock.
    void tick(int count, milliseconds interval = milliseconds(1000)) {
        for (int i = 0; i < count; ++i) {
            clock.advance(interval);
            const auto now = clock.now();
            SCOPED_TRACE(testing::Message()
                         << "tick at " << now.hour << ":" << now.minute << ":" << now.second);
            main().tick();
        }
    }
};

TEST(DailyDisplay, ShowsTheWindowOnceAtTheDisplayTime) {
    Running p(hours(6) + minutes(59) + seconds(50), true);
    p.random.draws = {0.9};
    p.tick(9);  // up to 06:59:59
    EXPECT_FALSE(p.mainView.visible);
    p.tick(1);  // 07:00:00
    EXPECT_TRUE(p.mainView.visible);
    EXPECT_EQ(p.mainView.state, WindowState::Normal);
    EXPECT_EQ(p.store.at("Card"), "28");
    EXPECT_EQ(p.store.at("Date"), p.today(1));
    EXPECT_TRUE(p.tray.present);  // the icon stays while the window is shown
    p.tick(5);
    EXPECT_EQ(p.mainView.showCalls, 1);
}

TEST(DailyDisplay, DisplayWithoutDueTipKeepsTheTipAndThePanel) {
    Running p(hours(6) + minutes(59) + seconds(58));
    p.mainView.front = Panel::Tip;
    p.tick(3);
    EXPECT_TRUE(p.mainView.visible);
    EXPECT_EQ(p.store.at("Card"), "4");
    EXPECT_EQ(p.store.at("Date"), p.today(1));
    EXPECT_EQ(p.mainView.front, Panel::Tip);
}

// A 1000 ms timer fires about every 1016 ms, so one clock second in about
// sixty gets no tick. The display second must not be lost that way, and one
// passing of it must bring one display, whatever the tick phase.
TEST(DailyDisplay, DriftingTicksNeverMissOrRepeatTheDisplay) {
    for (int phase = 0; phase < 1000; phase += 37) {
        SCOPED_TRACE(testing::Message() << "tick phase " << phase << " ms");
        Running p(hours(6) + minutes(58));
        p.clock.advance(milliseconds(phase));
        p.tick(200, milliseconds(1016));
        EXPECT_EQ(p.mainView.showCalls, 1);
    }
}

TEST(DailyDisplay, ASkippedSecondStillCounts) {
    Running p(hours(6) + minutes(59) + seconds(59));
    p.clock.advance(milliseconds(500));
    p.tick(1, milliseconds(1600));  // 06:59:59.5 -> 07:00:01.1: 07:00:00 had no tick
    EXPECT_TRUE(p.mainView.visible);
}

TEST(DailyDisplay, LongGapOrClockChangeSkipsTheDisplay) {
    {
        SCOPED_TRACE("the computer slept through the display time");
        Running p(hours(6) + minutes(59) + seconds(50));
        p.tick(1, minutes(1));
        EXPECT_FALSE(p.mainView.visible);
        p.tick(3);
        EXPECT_FALSE(p.mainView.visible);
    }
    {
        SCOPED_TRACE("the clock is set forward past the display time");
        Running p(hours(6) + minutes(59) + seconds(58));
        p.clock.set(sys_days(2026y / December / 9) + hours(7) + seconds(3));
        p.tick(1);
        EXPECT_FALSE(p.mainView.visible);
    }
    {
        SCOPED_TRACE("the clock is set back a day: at most one new tip a calendar day");
        Running p(hours(6) + minutes(59) + seconds(58), true);
        p.tick(3);
        ASSERT_EQ(p.store.at("Date"), p.today(1));
        const auto firstCard = p.store.writes.size();
        p.clock.set(sys_days(2026y / December / 8) + hours(6) + minutes(59) + seconds(58));
        p.tick(3);
        EXPECT_EQ(p.mainView.showCalls, 2);
        EXPECT_EQ(p.store.writes.size(), firstCard);  // nothing new stored
    }
}

TEST(DailyDisplay, ReadsTheDisplayTimeAfreshEveryTick) {
    Running p(hours(12));
    p.main().settingsPanel().selectListIndex(ListId::Hour, 12);
    p.main().settingsPanel().selectListIndex(ListId::Second, 3);
    EXPECT_EQ(p.store.at("Hour"), "12");
    EXPECT_EQ(p.store.at("Second"), "3");
    p.tick(2);
    EXPECT_FALSE(p.mainView.visible);
    p.tick(1);
    EXPECT_TRUE(p.mainView.visible);
}

TEST(DailyDisplay, DamagedDisplayTimeOrDate) {
    struct Case {
        const char* key;
        const char* value;
        bool shown;
        bool newTip;
    };
    const Case cases[] = {
        {"Hour", "seven", false, false},
        {"Minute", "", false, false},
        {"Second", "99999999999", false, false},
        {"Hour", "07", true, false},
        {"Date", "garbage", true, true},
        {"Date", "11/30/2026", true, true},  // several days in the past
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = '" + c.value + "'");
        Running p(hours(6) + minutes(59) + seconds(59));
        p.store.values[c.key] = c.value;
        p.random.draws = {0.5};
        p.tick(1);
        EXPECT_EQ(p.mainView.visible, c.shown);
        EXPECT_EQ(p.store.at("Card"), c.newTip ? "16" : "4");
        if (c.newTip) {
            EXPECT_EQ(p.store.at("Date"), p.today(1));
        }
    }
}

TEST(DailyDisplay, FailedDateWriteStillRenewsTheTip) {
    Running p(hours(6) + minutes(59) + seconds(59), true);
    p.store.failingKeys = {"Date"};
    p.random.draws = {0.5};
    p.tick(1);
    EXPECT_TRUE(p.mainView.visible);
    EXPECT_EQ(p.store.at("Card"), "16");
    EXPECT_EQ(p.store.at("Date"), p.today());
}

}  // namespace
}  // namespace corvallo
