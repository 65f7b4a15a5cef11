// Platform faults around the real program under Wine: a registry that
// refuses writes, copies started at the same instant and the end of the
// session. The notification area coming back is in the end-to-end tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "FaultHarness.h"
#include "RegistryTraps.h"

namespace corvallo::faults {
namespace {

using e2e::Registry;
using e2e::RunningProgram;
using e2e::waitFor;

class Faults : public testing::Test {
  protected:
    void SetUp() override {
        restoreRunKey();
        cleanSlate();
    }
    void TearDown() override {
        program.reset();
        restoreRunKey();
        cleanSlate();
    }

    HWND start(const std::wstring& arguments = L"") {
        program = std::make_unique<RunningProgram>(programPath(), arguments);
        HWND main = program->mainWindow();
        EXPECT_NE(main, nullptr) << "the main window did not appear";
        return main;
    }
    HWND button(HWND main, const std::wstring& caption) {
        HWND found = e2e::findControl(main, L"Button", caption);
        EXPECT_NE(found, nullptr);
        return found;
    }
    bool hiddenInTray(HWND main) {
        return waitFor([&] {
            return !IsWindowVisible(main) && e2e::trayIconPresent(e2e::trayCallbackWindow(main));
        });
    }
    // Quits as a task manager does and expects a clean end.
    void quitCleanly(HWND main) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program->hasEnded(10000ms));
        EXPECT_EQ(program->exitCode(), 0u);
    }
    bool noMessageBox(std::chrono::milliseconds wait) {
        HWND box = program->messageBox(wait);
        if (box) {
            const std::wstring text = e2e::messageBoxText(box);
            ADD_FAILURE() << "unexpected message: " << std::string(text.begin(), text.end());
        }
        return box == nullptr;
    }

    std::unique_ptr<RunningProgram> program;
};

TEST_F(Faults, SettingsThatCannotBeWrittenAreSkippedSilently) {
    ASSERT_TRUE(makeSettingsUnwritable());
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(noMessageBox(1500ms));
    // Every kind of write: a list's store-at-once handler, the check box's,
    // the option buttons' Run value, and the save of "Show Corvallo Tip".
    const e2e::MainLists lists = e2e::findLists(main);
    ASSERT_NE(lists.hour, nullptr);
    e2e::pickListEntry(lists.hour, 18);
    e2e::click(button(main, L"Run at start-up"));
    e2e::click(button(main, L"Start at system tray"));
    EXPECT_TRUE(noMessageBox(1000ms));
    EXPECT_EQ(e2e::selectedListEntry(lists.hour), 18);
    e2e::click(button(main, L"Show Corvallo Tip"));
    EXPECT_TRUE(hiddenInTray(main));
    EXPECT_TRUE(noMessageBox(500ms));
    EXPECT_FALSE(program->hasEnded());
    EXPECT_FALSE(Registry::read(Registry::kSettingsKey, L"Hour").has_value());
    quitCleanly(main);
    EXPECT_FALSE(Registry::read(Registry::kSettingsKey, L"AutorunStartUp").has_value());
}

TEST_F(Faults, RunKeyThatCannotBeOpenedReportsAndTheChoiceStillChanges) {
    storeLaterRun();
    const auto trap = makeRunKeyUnwritable();
    if (!trap) {
        GTEST_SKIP() << "the Run key could not be replaced in this prefix";
    }
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    // Loading selects "Don't run at start-up", which opens the key to delete
    // the value: that failure is silent.
    EXPECT_TRUE(noMessageBox(1500ms));
    e2e::click(button(main, L"&Settings"));
    HWND run = button(main, L"Run at start-up");
    e2e::click(run);
    HWND box = program->messageBox();
    ASSERT_NE(box, nullptr) << "no message for the Run key";
    const std::wstring text = e2e::messageBoxText(box);
    const std::wstring expected = L"Error " + std::to_wstring(*trap) + L" opening key\r\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected) << std::string(text.begin(), text.end());
    EXPECT_GT(text.size(), expected.size()) << "no description line";
    e2e::answerMessageBox(box, IDOK);
    ASSERT_TRUE(waitFor([&] { return program->messageBox(0ms) == nullptr; }));
    EXPECT_EQ(SendMessageW(run, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND trayAtLogOn = button(main, L"Start at system tray");
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(trayAtLogOn) != FALSE; }));
    EXPECT_FALSE(Registry::read(Registry::kRunKey, L"Corvallo").has_value());
    quitCleanly(main);
}

// How many pairs: CORVALLO_PAIRS, 10 unless set (tools/test-faults.sh
// runs 50).
int pairCount() {
    const char* text = std::getenv("CORVALLO_PAIRS");
    const int count = text ? std::atoi(text) : 0;
    return count > 0 ? count : 10;
}

TEST_F(Faults, OfTwoCopiesStartedTogetherExactlyOneRuns) {
    storeLaterRun();
    for (int pair = 0; pair < pairCount(); ++pair) {
        SCOPED_TRACE("pair " + std::to_string(pair + 1));
        RunningProgram first(programPath());
        RunningProgram second(programPath());
        RunningProgram* copies[] = {&first, &second};
        HWND boxes[2] = {};
        HWND mains[2] = {};
        waitFor(
            [&] {
                for (int i = 0; i < 2; ++i) {
                    boxes[i] = copies[i]->messageBox(0ms);
                    mains[i] = copies[i]->mainWindow(0ms);
                }
                return (boxes[0] != nullptr) + (boxes[1] != nullptr) >= 1 &&
                       (mains[0] != nullptr) + (mains[1] != nullptr) >= 1;
            },
            15000ms);
        // Give a second box or window the time to show itself.
        Sleep(300);
        for (int i = 0; i < 2; ++i) {
            boxes[i] = copies[i]->messageBox(0ms);
            mains[i] = copies[i]->mainWindow(0ms);
        }
        const int refused = boxes[0] ? 0 : 1;
        const int running = 1 - refused;
        ASSERT_NE(boxes[refused], nullptr) << "no copy was refused";
        EXPECT_EQ(boxes[running], nullptr) << "both copies were refused";
        EXPECT_EQ(e2e::messageBoxText(boxes[refused]), L"Application is already running");
        EXPECT_EQ(mains[refused], nullptr) << "the refused copy made its window";
        ASSERT_NE(mains[running], nullptr) << "neither copy runs";
        e2e::answerMessageBox(boxes[refused], IDOK);
        EXPECT_TRUE(copies[refused]->hasEnded(10000ms));
        EXPECT_EQ(copies[refused]->exitCode(), 0u);
        PostMessageW(mains[running], WM_CLOSE, 0, 0);
        EXPECT_TRUE(copies[running]->hasEnded(10000ms));
        EXPECT_EQ(copies[running]->exitCode(), 0u);
        if (HasFatalFailure() || HasFailure()) {
            return;
        }
    }
}

TEST_F(Faults, LogOffThroughWinebootSavesAndRemovesTheIcon) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    e2e::click(button(main, L"Show Corvallo Tip"));
    ASSERT_TRUE(hiddenInTray(main));
    HWND callback = e2e::trayCallbackWindow(main);
    Registry::clearSettings();
    // "wineboot -e" sends WM_QUERYENDSESSION and WM_ENDSESSION to the
    // top-level windows of every process, as a log-off does.
    ASSERT_TRUE(endSession());
    EXPECT_TRUE(waitFor(
        [] { return Registry::read(Registry::kSettingsKey, L"AutorunStartUp") == L"False"; }));
    EXPECT_EQ(Registry::read(Registry::kSettingsKey, L"SystemTray"), L"False");
    EXPECT_TRUE(waitFor([&] { return !e2e::trayIconPresent(callback); }));
    EXPECT_EQ(program->messageBox(0ms), nullptr);
    if (program->hasEnded(5000ms)) {
        EXPECT_EQ(program->exitCode(), 0u);
    }
}

}  // namespace
}  // namespace corvallo::faults
