// The wall clock set back and forward by a day while the real program waits
// hidden in the notification area for its daily display time: it must keep
// running and answering, choose at most one new tip per calendar day and
// never move the day the next tip is due backwards.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "FaultHarness.h"
#include "MovedClock.h"
#include "RegistryTraps.h"

namespace corvallo::faults {
namespace {

using e2e::Registry;
using e2e::RunningProgram;
using e2e::waitFor;

// Day 0 of the test. A fixed date keeps every run alike; the clock is moved
// to it before the program starts.
constexpr SYSTEMTIME kDayZero{2031, 5, 0, 20, 12, 0, 0, 0};

// The display time: two seconds after midnight, so that every move below also
// takes the clock across a midnight.
constexpr int kDisplaySecond = 2;

std::wstring dateText(int day) {
    const SYSTEMTIME date = dayAt(kDayZero, day, 0, 0, 0);
    wchar_t text[80] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, 80);
    return text;
}

std::optional<std::wstring> setting(const wchar_t* name) {
    return Registry::read(Registry::kSettingsKey, name);
}

// Its windows answer: a message sent to the main window comes back.
bool answers(HWND main) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

class MovedClockFaults : public testing::Test {
  protected:
    void SetUp() override {
        restoreRunKey();
        cleanSlate();
    }
    void TearDown() override {
        program.reset();
        clock.setTrueTime();
        cleanSlate();
    }

    bool hiddenInTray(HWND main) {
        return waitFor([&] {
            return !IsWindowVisible(main) && e2e::trayIconPresent(e2e::trayCallbackWindow(main));
        });
    }

    MovedClock clock;
    std::unique_ptr<RunningProgram> program;
};

// Each move sets the clock to four seconds before the display time of `day`,
// on the evening before it.
struct Move {
    const char* what;
    int day;
    int dueDayAfter;  // the day stored in "Date" after that day's display
    bool newTip;
};

constexpr Move kMoves[] = {
    {"forward within day 0, then across midnight into day 1", 1, 2, true},
    {"back a day, into day 0", 0, 2, false},
    {"forward a day, into day 1 again", 1, 2, false},
    {"forward a day, into day 2", 2, 3, true},
};

TEST_F(MovedClockFaults, OneNewTipPerDayWhenTheClockGoesBackAndForward) {
    clock.setLocalTime(dayAt(kDayZero, 0, 12, 0, 0));
    // A tip was chosen on day 0; the next one is due on day 1. The log-on
    // start goes straight to the notification area.
    storeLaterRun();
    writeText(Registry::kSettingsKey, L"Hour", L"0");
    writeText(Registry::kSettingsKey, L"Minute", L"0");
    writeText(Registry::kSettingsKey, L"Second", std::to_wstring(kDisplaySecond));
    writeText(Registry::kSettingsKey, L"Date", dateText(1));
    writeText(Registry::kSettingsKey, L"AutorunStartUp", L"True");
    writeText(Registry::kSettingsKey, L"RunAtSysTray", L"True");
    writeText(Registry::kSettingsKey, L"SystemTray", L"True");
    writeText(Registry::kRunKey, L"Corvallo", expectedRunValue());
    program = std::make_unique<RunningProgram>(programPath(), L"/STARTUP");
    HWND main = program->mainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(hiddenInTray(main));
    ASSERT_EQ(setting(L"Date"), dateText(1)) << "a tip was chosen at the start";

    for (const Move& move : kMoves) {
        SCOPED_TRACE(move.what);
        const std::optional<std::wstring> cardBefore = setting(L"Card");
        clock.setLocalTime(dayAt(kDayZero, move.day, 0, 0, kDisplaySecond - 4));
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }, 8000ms))
            << "no display at the display time";
        EXPECT_EQ(setting(L"Date"), dateText(move.dueDayAfter));
        if (!move.newTip) {
            EXPECT_EQ(setting(L"Card"), cardBefore) << "a second tip on the same day";
        }
        ASSERT_TRUE(answers(main));
        PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(hiddenInTray(main));
    }

    EXPECT_FALSE(program->hasEnded());
    EXPECT_EQ(program->messageBox(0ms), nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program->hasEnded(10000ms));
    EXPECT_EQ(program->exitCode(), 0u);
}

}  // namespace
}  // namespace corvallo::faults
