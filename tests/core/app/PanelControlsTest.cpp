#include <gtest/gtest.h>

#include "core/app/SettingsPanel.h"
#include "core/fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

// A program after a first run's start, settings panel in front.
struct Started : Harness {
    Started() { EXPECT_TRUE(start()); }
};

TEST(PanelControls, DisplayTimeIsStoredTheMomentItIsPicked) {
    Started p;
    p.mainView.setListIndex(ListId::Hour, 18);  // the user picks 18
    p.main().listPicked(ListId::Hour);
    EXPECT_EQ(p.store.at("Hour"), "18");
    p.mainView.setListIndex(ListId::Minute, 5);
    p.main().listPicked(ListId::Minute);
    p.mainView.setListIndex(ListId::Second, 59);
    p.main().listPicked(ListId::Second);
    EXPECT_EQ(p.store.at("Minute"), "5");
    EXPECT_EQ(p.store.at("Second"), "59");
    // The date lists store nothing.
    const auto writes = p.store.writes.size();
    p.mainView.setListIndex(ListId::Month, 3);
    p.main().listPicked(ListId::Month);
    EXPECT_EQ(p.store.writes.size(), writes);
}

TEST(PanelControls, TrayCheckBoxStoresRunAtSysTrayAtOnceButSystemTrayOnlyOnSave) {
    Started p;
    p.main().startupOptionClicked(StartupOption::Run);
    ASSERT_TRUE(p.mainView.trayAtLogOnEnabled());
    p.mainView.setTrayAtLogOn(CheckState::Ticked);
    p.main().trayAtLogOnClicked();
    EXPECT_EQ(p.store.at("RunAtSysTray"), "True");
    EXPECT_EQ(p.store.at("SystemTray"), "<absent>");

    p.main().settingsPanel().save();
    EXPECT_EQ(p.store.at("SystemTray"), "True");
    EXPECT_EQ(p.store.at("AutorunStartUp"), "True");

    p.mainView.setTrayAtLogOn(CheckState::Greyed);  // greyed counts as ticked
    p.main().settingsPanel().save();
    EXPECT_EQ(p.store.at("SystemTray"), "True");

    p.main().startupOptionClicked(StartupOption::DontRun);
    EXPECT_EQ(p.mainView.trayAtLogOnState, CheckState::Clear);
    EXPECT_EQ(p.store.at("RunAtSysTray"), "False");
    p.main().settingsPanel().save();
    EXPECT_EQ(p.store.at("SystemTray"), "False");
    EXPECT_EQ(p.store.at("AutorunStartUp"), "False");
}

TEST(PanelControls, ChangesFromCodeRunHandlersOnlyWhenTheValueChanges) {
    Started p;
    p.store.writes.clear();
    p.main().settingsPanel().selectListIndex(ListId::Hour, 7);       // already 7
    p.main().startupOptions().setTrayAtLogOn(CheckState::Clear);     // already clear
    p.main().startupOptions().selectOption(StartupOption::DontRun);  // already selected
    EXPECT_TRUE(p.store.writes.empty());
    EXPECT_EQ(p.messages.shown.size(), 0u);

    p.main().settingsPanel().selectListIndex(ListId::Hour, 9);
    p.main().startupOptions().setTrayAtLogOn(CheckState::Ticked);
    ASSERT_EQ(p.store.writes.size(), 2u);
    EXPECT_EQ(p.store.writes[0], (std::pair<std::string, std::string>{"Hour", "9"}));
    EXPECT_EQ(p.store.writes[1], (std::pair<std::string, std::string>{"RunAtSysTray", "True"}));
}

TEST(PanelControls, FailedWritesLeaveTheControlsChanged) {
    Started p;
    p.store.failWrites = true;
    p.mainView.setListIndex(ListId::Hour, 18);
    p.main().listPicked(ListId::Hour);
    EXPECT_EQ(p.mainView.selectedText(ListId::Hour), "18");
    EXPECT_EQ(p.store.at("Hour"), "7");
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(PanelControls, SavingStopsAtItsFirstFailure) {
    Started p;
    p.store.failingKeys = {"AutorunStartUp"};
    EXPECT_ANY_THROW(p.main().settingsPanel().save());
    EXPECT_EQ(p.store.at("SystemTray"), "<absent>");
}

}  // namespace
}  // namespace corvallo
