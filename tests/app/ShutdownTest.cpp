#include <gtest/gtest.h>

#include "fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

// A later run's start, window on screen with the tip panel in front, "Run at
// start-up" chosen on the settings panel but not yet applied.
struct OnScreen : Harness {
    OnScreen() {
        storeLaterRun("4", 1);
        EXPECT_TRUE(start());
        form().mnuSettings_Click();
        form().optionClickedByUser(OptionId::Run);
        store.writes.clear();
    }
};

TEST(Shutdown, CloseBoxHidesInTheTrayAndStoresNothing) {
    OnScreen p;
    p.form().close(CloseReason::UserClose);
    EXPECT_FALSE(p.mainView.visible);
    EXPECT_EQ(p.mainView.state, WindowState::Minimized);
    EXPECT_TRUE(p.tray.present);
    EXPECT_EQ(p.mainView.front, Panel::Tip);
    EXPECT_TRUE(p.store.writes.empty());
    EXPECT_EQ(p.process.exits, 0);
    EXPECT_FALSE(p.mainView.destroyed);
}

TEST(Shutdown, EveryOtherCloseSavesRemovesTheIconAndEnds) {
    for (const CloseReason reason :
         {CloseReason::ProgramUnload, CloseReason::SessionEnd, CloseReason::TaskManager}) {
        SCOPED_TRACE(static_cast<int>(reason));
        OnScreen p;
        p.form().MinimizeToTray();
        p.form().close(reason);
        EXPECT_EQ(p.store.at("AutorunStartUp"), "True");
        EXPECT_EQ(p.store.at("SystemTray"), "False");
        EXPECT_FALSE(p.tray.present);
        EXPECT_TRUE(p.mainView.destroyed);
        EXPECT_EQ(p.process.exits, 1);
        EXPECT_TRUE(p.messages.shown.empty());
    }
}

TEST(Shutdown, ExitQuestion) {
    {
        SCOPED_TRACE("Yes quits");
        OnScreen p;
        p.messages.answers = {mb::kIdYes};
        p.form().mnuExit_Click();
        ASSERT_EQ(p.messages.shown.size(), 1u);
        EXPECT_EQ(p.messages.shown[0].text, "Are You Sure You Want To Quit Corvallo?");
        EXPECT_EQ(p.messages.shown[0].style, 52);
        EXPECT_EQ(p.messages.shown[0].title, "Corvallo");
        EXPECT_EQ(p.process.exits, 1);
        EXPECT_EQ(p.store.at("AutorunStartUp"), "True");
    }
    {
        SCOPED_TRACE("No applies the settings panel and hides in the tray");
        OnScreen p;
        p.messages.answers = {mb::kIdNo};
        p.form().cmdExit_Click();
        EXPECT_EQ(p.process.exits, 0);
        EXPECT_FALSE(p.mainView.visible);
        EXPECT_TRUE(p.tray.present);
        EXPECT_EQ(p.mainView.front, Panel::Tip);
        EXPECT_EQ(p.store.at("AutorunStartUp"), "True");
    }
    {
        SCOPED_TRACE("No with an impossible date keeps the window");
        OnScreen p;
        p.mainView.setListIndex(ListId::Month, 1);
        p.mainView.setListIndex(ListId::Date, 30);
        p.mainView.show();
        p.messages.answers = {mb::kIdNo, mb::kIdOk};
        p.form().cmdExit_Click();
        ASSERT_EQ(p.messages.shown.size(), 2u);
        EXPECT_EQ(p.messages.shown[1].text, "Please Enter Correct Date !");
        EXPECT_TRUE(p.mainView.visible);
        EXPECT_FALSE(p.tray.present);
        EXPECT_EQ(p.mainView.front, Panel::Settings);
    }
}

TEST(Shutdown, TrayMenuExitQuitsWithoutAsking) {
    OnScreen p;
    p.form().MinimizeToTray();
    p.mainView.menuChoice = TrayMenuChoice::Exit;
    p.form().picHook_MouseDown(0x0205);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_EQ(p.process.exits, 1);
    EXPECT_FALSE(p.tray.present);
}

TEST(Shutdown, QuitReachesItsEndWhenTheStoreFails) {
    OnScreen p;
    p.form().MinimizeToTray();
    p.store.failWrites = true;
    p.form().close(CloseReason::SessionEnd);
    EXPECT_FALSE(p.tray.present);
    EXPECT_EQ(p.process.exits, 1);
}

}  // namespace
}  // namespace corvallo
