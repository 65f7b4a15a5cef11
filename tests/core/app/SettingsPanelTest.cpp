#include <gtest/gtest.h>

#include "core/fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

TEST(SettingsPanel, DateCheckRejectsOnlyImpossibleDays) {
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 0; month < 12; ++month) {
        for (int day = 27; day <= 30; ++day) {  // days 28 to 31
            SCOPED_TRACE(testing::Message() << (day + 1) << " " << months[month]);
            Harness h;
            ASSERT_TRUE(h.start());
            h.mainView.setListIndex(ListId::Month, month);
            h.mainView.setListIndex(ListId::Date, day);
            const bool thirtyDays = month == 3 || month == 5 || month == 8 || month == 10;
            const bool impossible = (month == 1 && day >= 29) || (thirtyDays && day == 30);
            EXPECT_EQ(h.main().settingsPanel().dateIsValid(), !impossible);
            if (impossible) {
                ASSERT_EQ(h.messages.shown.size(), 1u);
                EXPECT_EQ(h.messages.shown[0].text, "Please Enter Correct Date !");
                EXPECT_EQ(h.messages.shown[0].buttons, MessageButtons::Ok);
                EXPECT_EQ(h.messages.shown[0].icon, MessageIcon::Information);
            } else {
                EXPECT_TRUE(h.messages.shown.empty());
            }
        }
    }
}

TEST(SettingsPanel, ShowTipButtonAndMenuApplyTheSettings) {
    for (const char* control : {"cmdCalculateMoonPhase", "mnuCalculateMoonPhase"}) {
        SCOPED_TRACE(control);
        Harness h;
        ASSERT_TRUE(h.start());  // first run: settings panel in front
        h.main().startupOptionClicked(StartupOption::Run);
        h.main().perform(routeOf(kMainRoutes, control).value());
        EXPECT_EQ(h.store.at("AutorunStartUp"), "True");
        EXPECT_EQ(h.store.at("SystemTray"), "False");
        EXPECT_TRUE(h.tray.present);
        EXPECT_FALSE(h.mainView.visible);
        EXPECT_EQ(h.mainView.front, Panel::Tip);
    }
}

TEST(SettingsPanel, RejectedDateStoresNothingAndKeepsTheWindow) {
    Harness h;
    ASSERT_TRUE(h.start());
    h.mainView.setListIndex(ListId::Month, 10);  // 31 November
    h.mainView.setListIndex(ListId::Date, 30);
    h.store.writes.clear();
    h.main().perform(MainAction::ApplySettingsAndHideToTray);
    EXPECT_TRUE(h.store.writes.empty());
    EXPECT_TRUE(h.mainView.visible);
    EXPECT_EQ(h.mainView.front, Panel::Settings);
    EXPECT_FALSE(h.tray.present);
}

TEST(SettingsPanel, PanelStacking) {
    Harness h;
    h.storeLaterRun("4", 1);
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.mainView.front, Panel::Tip);
    h.main().perform(MainAction::ShowSettings);
    EXPECT_EQ(h.mainView.front, Panel::Settings);
    h.main().perform(MainAction::ShowSettings);
    EXPECT_EQ(h.mainView.front, Panel::Settings);
    h.main().close(CloseReason::CloseBox);
    EXPECT_EQ(h.mainView.front, Panel::Tip);
    h.main().trayGesture(TrayGesture::Activate);
    EXPECT_EQ(h.mainView.front, Panel::Tip);
}

}  // namespace
}  // namespace corvallo
