#include <gtest/gtest.h>

#include "core/fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

// A later run's start, window on screen with the tip panel in front, "Run at
// start-up" chosen on the settings panel but not yet applied.
struct OnScreen : Harness {
    OnScreen() {
        storeLaterRun("4", 1);
        EXPECT_TRUE(start());
        main().perform(MainAction::ShowSettings);
        main().startupOptionClicked(StartupOption::Run);
        store.writes.clear();
    }
};

TEST(Closing, CloseBoxHidesInTheTrayAndStoresNothing) {
    OnScreen p;
    p.main().close(CloseReason::CloseBox);
    EXPECT_FALSE(p.mainView.visible);
    EXPECT_EQ(p.mainView.state, WindowState::Minimized);
    EXPECT_TRUE(p.tray.present);
    EXPECT_EQ(p.mainView.front, Panel::Tip);
    EXPECT_TRUE(p.store.writes.empty());
    EXPECT_EQ(p.process.exits, 0);
    EXPECT_FALSE(p.mainView.destroyed);
}

TEST(Closing, EveryOtherCloseSavesRemovesTheIconAndEnds) {
    for (const CloseReason reason :
         {CloseReason::ProgramQuit, CloseReason::SessionEnd, CloseReason::OtherProgram}) {
        SCOPED_TRACE(static_cast<int>(reason));
        OnScreen p;
        p.main().tray().hideToTray();
        p.main().close(reason);
        EXPECT_EQ(p.store.at("AutorunStartUp"), "True");
        EXPECT_EQ(p.store.at("SystemTray"), "False");
        EXPECT_FALSE(p.tray.present);
        EXPECT_TRUE(p.mainView.destroyed);
        EXPECT_EQ(p.process.exits, 1);
        EXPECT_TRUE(p.messages.shown.empty());
    }
}

TEST(Closing, ExitQuestion) {
    {
        SCOPED_TRACE("Yes quits");
        OnScreen p;
        p.messages.answers = {MessageAnswer::Yes};
        p.main().perform(MainAction::ConfirmQuit);
        ASSERT_EQ(p.messages.shown.size(), 1u);
        EXPECT_EQ(p.messages.shown[0].text, "Are You Sure You Want To Quit Corvallo?");
        EXPECT_EQ(p.messages.shown[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(p.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(p.messages.shown[0].title, "Corvallo");
        EXPECT_EQ(p.process.exits, 1);
        EXPECT_EQ(p.store.at("AutorunStartUp"), "True");
    }
    {
        SCOPED_TRACE("No applies the settings panel and hides in the tray");
        OnScreen p;
        p.messages.answers = {MessageAnswer::No};
        p.main().perform(MainAction::ConfirmQuit);
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
        p.messages.answers = {MessageAnswer::No, MessageAnswer::Ok};
        p.main().perform(MainAction::ConfirmQuit);
        ASSERT_EQ(p.messages.shown.size(), 2u);
        EXPECT_EQ(p.messages.shown[1].text, "Please Enter Correct Date !");
        EXPECT_TRUE(p.mainView.visible);
        EXPECT_FALSE(p.tray.present);
        EXPECT_EQ(p.mainView.front, Panel::Settings);
    }
}

TEST(Closing, TrayMenuExitQuitsWithoutAsking) {
    OnScreen p;
    p.main().tray().hideToTray();
    p.mainView.menuChoice = TrayMenuChoice::Exit;
    p.main().trayGesture(TrayGesture::OpenMenu);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_EQ(p.process.exits, 1);
    EXPECT_FALSE(p.tray.present);
}

TEST(Closing, QuitReachesItsEndWhenTheStoreFails) {
    OnScreen p;
    p.main().tray().hideToTray();
    p.store.failWrites = true;
    p.main().close(CloseReason::SessionEnd);
    EXPECT_FALSE(p.tray.present);
    EXPECT_EQ(p.process.exits, 1);
}

}  // namespace
}  // namespace corvallo
