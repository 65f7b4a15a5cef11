// Works the whole Linux program on a desktop with a notification area as a
// user would: clicks on the controls found by name, list picks through their
// popups, the close box through the X server, clicks on the tray icon, and
// reads the settings and start-up files it writes.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "ProgramFixture.h"

namespace corvallo::e2e {
namespace {

class EndToEnd : public ProgramFixture {
  protected:
    void SetUp() override {
        // trayer claims the tray selection as it starts; give it a moment.
        ASSERT_TRUE(waitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }))
            << "this run needs a notification area";
    }

    // Shown on screen with `panel` in front and the other panel hidden.
    bool panelInFront(const char* panel, const char* other) const {
        return control(panel)->isVisible() && !control(other)->isVisible();
    }
};

TEST_F(EndToEnd, FirstRunStoresDefaultsAndShowsTheSettingsPanel) {
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvallo v1.10"));
    EXPECT_TRUE(centredOnScreen(main));
    EXPECT_EQ(setting("Hour"), "7");
    EXPECT_EQ(setting("Minute"), "0");
    EXPECT_EQ(setting("Second"), "0");
    EXPECT_TRUE(setting("Date").has_value());
    const int card = std::stoi(setting("Card").value_or("0"));
    EXPECT_GE(card, 1);
    EXPECT_LE(card, 30);
    EXPECT_FALSE(setting("AutorunStartUp").has_value());
    EXPECT_TRUE(panelInFront("fraSettings", "fraRune"));
    EXPECT_EQ(list("cboHour")->currentText(), QStringLiteral("7"));
    EXPECT_EQ(list("cboMinute")->currentIndex(), 0);
    EXPECT_EQ(list("cboSecond")->currentIndex(), 0);
    // The date lists exist for the program's own use and are never seen.
    EXPECT_FALSE(control("cboDate")->isVisible());
    saveScreenshot(main, "main-settings-panel.png");
}

TEST_F(EndToEnd, PickingAnHourOrSecondStoresItAtOnce) {
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    pickListEntry(list("cboHour"), 18);
    EXPECT_EQ(setting("Hour"), "18");
    pickListEntry(list("cboSecond"), 42);
    EXPECT_EQ(setting("Second"), "42");
}

TEST_F(EndToEnd, RunAtStartUpOptionsWriteAndDeleteTheAutostartFile) {
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("optRun"));
    const std::string entry = test::fileText(autostartPath());
    EXPECT_NE(entry.find("\nExec=\"" + testExecutable() + "\" \"/STARTUP\"\n"), std::string::npos)
        << entry;
    EXPECT_TRUE(control("chkSysTray")->isEnabled());

    click(control("optDontRun"));
    EXPECT_FALSE(std::filesystem::exists(autostartPath()));
    EXPECT_FALSE(control("chkSysTray")->isEnabled());
    QTest::qWait(300);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(EndToEnd, ShowTipHidesInTheTrayAndStoresTheStartUpChoices) {
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("optRun"));
    click(control("chkSysTray"));
    EXPECT_EQ(setting("RunAtSysTray"), "True");
    EXPECT_FALSE(setting("SystemTray").has_value());
    click(control("cmdCalculateMoonPhase"));
    ASSERT_TRUE(hiddenInTray());
    EXPECT_EQ(setting("AutorunStartUp"), "True");
    EXPECT_EQ(setting("SystemTray"), "True");

    // A click on the icon brings the window back, centred, with the tip
    // panel in front, and the icon goes.
    clickOnScreen(trayIconOnScreen());
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() == nullptr; }));
    EXPECT_TRUE(centredOnScreen(main));
    EXPECT_TRUE(panelInFront("fraRune", "fraSettings"));
    saveScreenshot(main, "main-tip-panel.png");
}

TEST_F(EndToEnd, CloseBoxHidesWithoutStoring) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("cmdSettings"));
    click(control("optRun"));
    pressCloseBox(main);
    EXPECT_TRUE(hiddenInTray());
    QTest::qWait(500);
    EXPECT_FALSE(ended());
    EXPECT_FALSE(setting("AutorunStartUp").has_value());
}

TEST_F(EndToEnd, ExitQuestionNoHidesYesQuits) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    answerNextBox(QMessageBox::No);
    click(control("cmdExit"));
    ASSERT_EQ(boxTexts().size(), 1u);
    EXPECT_EQ(boxTexts().back(), "Are You Sure You Want To Quit Corvallo?");
    EXPECT_TRUE(hiddenInTray());
    EXPECT_FALSE(ended());

    clickOnScreen(trayIconOnScreen());
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    answerNextBox(QMessageBox::Yes);
    click(control("cmdExit"));
    EXPECT_EQ(boxTexts().size(), 2u);
    EXPECT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_EQ(setting("AutorunStartUp"), "False");
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() == nullptr; }));
}

TEST_F(EndToEnd, DailyDisplayArrivesWhileHidden) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("cmdSettings"));
    ASSERT_TRUE(pickDisplayTimeSoon()) << "the picks took too long";
    click(control("cmdCalculateMoonPhase"));
    ASSERT_TRUE(hiddenInTray());
    EXPECT_TRUE(waitFor([&] { return onScreen(main); }, 8s));
    EXPECT_NE(trayIconOnScreen(), nullptr);
}

TEST_F(EndToEnd, AboutWindowIsModalAndClosesWithEnterAndEsc) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Enter" : "Esc");
        bool seen = false;
        onceShown(
            main, [] { return QApplication::activeModalWidget(); },
            [&](QWidget* about) {
                seen = true;
                EXPECT_EQ(about->objectName(), QStringLiteral("frmAbout"));
                EXPECT_TRUE(waitFor([&] { return onScreen(about); }));
                EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
                EXPECT_TRUE(centredOnScreen(about));
                EXPECT_NE(findNamed(about, "cmdOK"), nullptr);
                EXPECT_NE(findNamed(about, "lblHomePage"), nullptr);
                EXPECT_NE(findNamed(about, "Label5"), nullptr);
                if (key == Qt::Key_Return) {
                    saveScreenshot(about, "about.png");
                }
                QWidget* focus = about->focusWidget();
                EXPECT_NE(focus, nullptr);
                QTest::keyClick(focus != nullptr ? focus : about, key);
            });
        chooseMenuItem(main, "mnuAbout");
        EXPECT_TRUE(seen);
        EXPECT_TRUE(waitFor([] { return QApplication::activeModalWidget() == nullptr; }));
        EXPECT_EQ(main->findChild<QDialog*>(QStringLiteral("frmAbout")), nullptr);
        EXPECT_TRUE(onScreen(main));
    }
}

TEST_F(EndToEnd, StartupWithTrayChoiceLeavesOnlyTheIcon) {
    storeLaterRun("RunAtSysTray=True\nSystemTray=True\nAutorunStartUp=True\n");
    std::filesystem::create_directories(std::filesystem::path(autostartPath()).parent_path());
    test::writeFile(autostartPath(), "[Desktop Entry]\nType=Application\nName=Corvallo\nExec=\"" +
                                         testExecutable() + "\" \"/STARTUP\"\n");
    start({"/STARTUP"});
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() != nullptr; }));
    QTest::qWait(1000);
    EXPECT_TRUE(window() == nullptr || !window()->isVisible());
    EXPECT_NE(trayIconOnScreen(), nullptr);
}

TEST_F(EndToEnd, TrayMenuShowBringsTheWindowBack) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    pressCloseBox(main);
    ASSERT_TRUE(hiddenInTray());
    chooseFromTrayMenu("mnuPop");
    EXPECT_TRUE(waitFor([&] { return onScreen(main); }));
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() == nullptr; }));
}

TEST_F(EndToEnd, TrayMenuExitQuitsWithoutAQuestion) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("cmdCalculateMoonPhase"));
    ASSERT_TRUE(hiddenInTray());
    chooseFromTrayMenu("mnuExit1");
    EXPECT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() == nullptr; }));
    EXPECT_TRUE(boxTexts().empty());
}

// Log-out and shutdown end a Linux program with SIGTERM.
TEST_F(EndToEnd, TerminationSignalSavesAndQuits) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("cmdCalculateMoonPhase"));
    ASSERT_TRUE(hiddenInTray());
    std::filesystem::remove(settingsPath());
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_EQ(setting("AutorunStartUp"), "False");
    EXPECT_EQ(setting("SystemTray"), "False");
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() == nullptr; }));
    EXPECT_TRUE(boxTexts().empty());
}

}  // namespace
}  // namespace corvallo::e2e
