#include <gtest/gtest.h>

#include "fakes/Harness.h"
#include "core/app/PanelSettings.h"

namespace corvallo {
namespace {

using fakes::Harness;

// A program after a first run's start, settings panel in front.
struct Started : Harness {
    Started() { EXPECT_TRUE(start()); }
};

TEST(SettingsHandlers, DisplayTimeIsStoredTheMomentItIsPicked) {
    Started p;
    p.mainView.setListIndex(ListId::Hour, 18);  // the user picks 18
    p.form().listChangedByUser(ListId::Hour);
    EXPECT_EQ(p.store.at("Hour"), "18");
    p.mainView.setListIndex(ListId::Minute, 5);
    p.form().listChangedByUser(ListId::Minute);
    p.mainView.setListIndex(ListId::Second, 59);
    p.form().listChangedByUser(ListId::Second);
    EXPECT_EQ(p.store.at("Minute"), "5");
    EXPECT_EQ(p.store.at("Second"), "59");
    // The date lists store nothing.
    const auto writes = p.store.writes.size();
    p.mainView.setListIndex(ListId::Month, 3);
    p.form().listChangedByUser(ListId::Month);
    EXPECT_EQ(p.store.writes.size(), writes);
}

TEST(SettingsHandlers, TrayCheckBoxStoresRunAtSysTrayAtOnceButSystemTrayOnlyOnSave) {
    Started p;
    p.form().optionClickedByUser(OptionId::Run);
    ASSERT_TRUE(p.mainView.sysTrayEnabled());
    p.mainView.setSysTrayValue(1);
    p.form().sysTrayChangedByUser();
    EXPECT_EQ(p.store.at("RunAtSysTray"), "True");
    EXPECT_EQ(p.store.at("SystemTray"), "<absent>");

    modMoonPhase::SaveSettings(p.form());
    EXPECT_EQ(p.store.at("SystemTray"), "True");
    EXPECT_EQ(p.store.at("AutorunStartUp"), "True");

    p.mainView.setSysTrayValue(2);  // greyed counts as ticked
    modMoonPhase::SaveSettings(p.form());
    EXPECT_EQ(p.store.at("SystemTray"), "True");

    p.form().optionClickedByUser(OptionId::DontRun);
    EXPECT_EQ(p.mainView.sysTray, 0);
    EXPECT_EQ(p.store.at("RunAtSysTray"), "False");
    modMoonPhase::SaveSettings(p.form());
    EXPECT_EQ(p.store.at("SystemTray"), "False");
    EXPECT_EQ(p.store.at("AutorunStartUp"), "False");
}

TEST(SettingsHandlers, ChangesFromCodeRunHandlersOnlyWhenTheValueChanges) {
    Started p;
    p.store.writes.clear();
    p.form().selectListIndex(ListId::Hour, 7);  // already 7
    p.form().setSysTrayValue(0);                // already clear
    p.form().selectOption(OptionId::DontRun);   // already selected
    EXPECT_TRUE(p.store.writes.empty());
    EXPECT_EQ(p.messages.shown.size(), 0u);

    p.form().selectListIndex(ListId::Hour, 9);
    p.form().setSysTrayValue(1);
    ASSERT_EQ(p.store.writes.size(), 2u);
    EXPECT_EQ(p.store.writes[0], (std::pair<std::string, std::string>{"Hour", "9"}));
    EXPECT_EQ(p.store.writes[1], (std::pair<std::string, std::string>{"RunAtSysTray", "True"}));
}

TEST(SettingsHandlers, FailedWritesLeaveTheControlsChanged) {
    Started p;
    p.store.failWrites = true;
    p.mainView.setListIndex(ListId::Hour, 18);
    p.form().listChangedByUser(ListId::Hour);
    EXPECT_EQ(p.mainView.selectedText(ListId::Hour), "18");
    EXPECT_EQ(p.store.at("Hour"), "7");
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(SettingsHandlers, SaveSettingsStopsAtItsFirstFailure) {
    Started p;
    p.store.failingKeys = {"AutorunStartUp"};
    EXPECT_ANY_THROW(modMoonPhase::SaveSettings(p.form()));
    EXPECT_EQ(p.store.at("SystemTray"), "<absent>");
}

}  // namespace
}  // namespace corvallo
