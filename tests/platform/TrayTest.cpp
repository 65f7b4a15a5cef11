#include <gtest/gtest.h>

#include "fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

constexpr int kMouseMove = 0x0200;
constexpr int kLeftDown = 0x0201;
constexpr int kLeftUp = 0x0202;
constexpr int kLeftDoubleClick = 0x0203;
constexpr int kRightDown = 0x0204;
constexpr int kRightUp = 0x0205;

struct InTray : Harness {
    InTray() {
        storeLaterRun("4", 1);
        EXPECT_TRUE(start());
        form().cmdCalculateMoonPhase_Click();
    }
};

TEST(Tray, ApplyingTheSettingsPanelHidesInTheTray) {
    InTray p;
    EXPECT_TRUE(p.tray.present);
    EXPECT_EQ(p.tray.tooltip, "Recent");
    EXPECT_FALSE(p.mainView.visible);
    EXPECT_EQ(p.mainView.state, WindowState::Minimized);
}

TEST(Tray, MouseMessages) {
    struct Case {
        const char* name;
        int message;
        TrayMenuChoice menuChoice;
        bool shown;
        int menus;
    };
    const Case cases[] = {
        {"mouse move", kMouseMove, TrayMenuChoice::None, false, 0},
        {"single left click", kLeftDown, TrayMenuChoice::None, false, 0},
        {"left up", kLeftUp, TrayMenuChoice::None, false, 0},
        {"right press without release", kRightDown, TrayMenuChoice::Show, false, 0},
        {"double-click", kLeftDoubleClick, TrayMenuChoice::None, true, 0},
        {"right-click, Show", kRightUp, TrayMenuChoice::Show, true, 1},
        {"right-click, menu dismissed", kRightUp, TrayMenuChoice::None, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InTray p;
        p.mainView.menuChoice = c.menuChoice;
        p.form().picHook_MouseDown(c.message);
        EXPECT_EQ(p.mainView.menusOpened, c.menus);
        EXPECT_EQ(p.mainView.visible, c.shown);
        EXPECT_EQ(p.tray.present, !c.shown);
        if (c.shown) {
            EXPECT_EQ(p.mainView.state, WindowState::Normal);
            EXPECT_EQ(p.mainView.centred, 1);
            EXPECT_EQ(p.mainView.icon, 31);
        }
    }
}

TEST(Tray, IconStoreIsLoadedOnceOnFirstShow) {
    InTray p;
    EXPECT_EQ(p.iconStore.loads, 0);
    p.form().picHook_MouseDown(kLeftDoubleClick);
    p.form().cmdCalculateMoonPhase_Click();
    p.form().picHook_MouseDown(kLeftDoubleClick);
    EXPECT_EQ(p.iconStore.loads, 1);
    EXPECT_EQ(p.iconStore.transparentCalls, 1);
    p.form().close(CloseReason::ProgramUnload);
    EXPECT_FALSE(p.iconStore.open);  // the program's end closes it
}

TEST(Tray, HidingAgainAfterTheDailyDisplayKeepsOneIcon) {
    InTray p;
    p.mainView.show();  // the daily display shows the window; the icon stays
    p.form().MinimizeToTray();
    EXPECT_TRUE(p.tray.present);
    EXPECT_FALSE(p.mainView.visible);
    p.form().picHook_MouseDown(kLeftDoubleClick);
    EXPECT_FALSE(p.tray.present);
}

}  // namespace
}  // namespace corvallo
