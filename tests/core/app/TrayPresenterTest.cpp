#include <gtest/gtest.h>

#include "core/fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

struct InTray : Harness {
    InTray() {
        storeLaterRun("4", 1);
        EXPECT_TRUE(start());
        main().perform(MainAction::ApplySettingsAndHideToTray);
    }
};

TEST(Tray, ApplyingTheSettingsPanelHidesInTheTray) {
    InTray p;
    EXPECT_TRUE(p.tray.present);
    EXPECT_EQ(p.tray.tooltip, "Recent");
    EXPECT_FALSE(p.mainView.visible);
    EXPECT_EQ(p.mainView.state, WindowState::Minimized);
}

TEST(Tray, Gestures) {
    struct Case {
        const char* name;
        TrayGesture gesture;
        TrayMenuChoice menuChoice;
        bool shown;
        int menus;
    };
    const Case cases[] = {
        {"activate", TrayGesture::Activate, TrayMenuChoice::None, true, 0},
        {"menu, Show", TrayGesture::OpenMenu, TrayMenuChoice::Show, true, 1},
        {"menu dismissed", TrayGesture::OpenMenu, TrayMenuChoice::None, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InTray p;
        p.mainView.menuChoice = c.menuChoice;
        p.main().trayGesture(c.gesture);
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
    p.main().trayGesture(TrayGesture::Activate);
    p.main().perform(MainAction::ApplySettingsAndHideToTray);
    p.main().trayGesture(TrayGesture::Activate);
    EXPECT_EQ(p.iconStore.loads, 1);
    EXPECT_EQ(p.iconStore.transparentCalls, 1);
    p.main().close(CloseReason::ProgramQuit);
    EXPECT_FALSE(p.iconStore.open);  // the program's end closes it
}

TEST(Tray, HidingAgainAfterTheDailyDisplayKeepsOneIcon) {
    InTray p;
    p.mainView.show();  // the daily display shows the window; the icon stays
    p.main().tray().hideToTray();
    EXPECT_TRUE(p.tray.present);
    EXPECT_FALSE(p.mainView.visible);
    p.main().trayGesture(TrayGesture::Activate);
    EXPECT_FALSE(p.tray.present);
}

}  // namespace
}  // namespace corvallo
