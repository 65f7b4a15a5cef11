// The program on a desktop without a notification area, where a hidden
// window could never be brought back: it waits minimised instead.
#include <QMainWindow>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>

#include <filesystem>

#include "ProgramFixture.h"

namespace corvallo::e2e {
namespace {

class NoNotificationArea : public ProgramFixture {
  protected:
    void SetUp() override {
        ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable())
            << "this run needs a desktop without a notification area";
    }
};

TEST_F(NoNotificationArea, CloseBoxMinimisesAndSaysSoOnce) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));

    for (const bool first : {true, false}) {
        SCOPED_TRACE(first ? "first close" : "second close");
        if (first) {
            answerNextBox(QMessageBox::Ok);
        }
        pressCloseBox(main);
        EXPECT_TRUE(waitFor([&] { return main->isMinimized(); }));
        QTest::qWait(300);
        EXPECT_TRUE(main->isVisible());
        ASSERT_EQ(boxTexts().size(), 1u);
        EXPECT_NE(boxTexts().front().find("no notification area"), std::string::npos)
            << boxTexts().front();
        // The user brings it back from the task bar.
        main->showNormal();
        ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    }
    EXPECT_FALSE(ended());
    EXPECT_FALSE(setting("AutorunStartUp").has_value());
}

// The notification area's host, started and stopped by the test: one that
// comes up after a log-on start, as a desktop's panel may, and one that
// restarts while the program waits in it.
class NotificationAreaLater : public NoNotificationArea {
  protected:
    void TearDown() override {
        ProgramFixture::TearDown();
        if (trayHost_.state() != QProcess::NotRunning) {
            trayHost_.kill();
            trayHost_.waitForFinished();
            // The next test starts on a desktop without one again.
            EXPECT_TRUE(waitFor([] { return !QSystemTrayIcon::isSystemTrayAvailable(); }));
        }
    }
    void startTrayHost() {
        trayHost_.start(
            QStringLiteral("trayer"),
            {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--widthtype"),
             QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("24")});
        ASSERT_TRUE(trayHost_.waitForStarted());
        ASSERT_TRUE(waitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10s));
    }
    void stopTrayHost() {
        trayHost_.terminate();
        trayHost_.waitForFinished();
        ASSERT_TRUE(waitFor([] { return !QSystemTrayIcon::isSystemTrayAvailable(); }));
    }

    QProcess trayHost_;
};

TEST_F(NotificationAreaLater, LogOnStartWaitsForItAndThenHidesIntoIt) {
    storeLaterRun("RunAtSysTray=True\nSystemTray=True\nAutorunStartUp=True\n");
    std::filesystem::create_directories(std::filesystem::path(autostartPath()).parent_path());
    test::writeFile(autostartPath(), "[Desktop Entry]\nType=Application\nName=Corvallo\n");
    QMainWindow* main = start({"/STARTUP"});
    ASSERT_NE(main, nullptr);
    // Meanwhile the window waits minimised, and nothing is said yet.
    ASSERT_TRUE(waitFor([&] { return main->isVisible() && main->isMinimized(); }));
    QTest::qWait(1000);
    startTrayHost();
    EXPECT_TRUE(hiddenInTray());
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(NotificationAreaLater, IconComesBackWhenItRestarts) {
    startTrayHost();
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    pressCloseBox(main);
    ASSERT_TRUE(hiddenInTray());
    stopTrayHost();
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() == nullptr; }));
    startTrayHost();
    EXPECT_TRUE(waitFor([] { return trayIconOnScreen() != nullptr; }));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(boxTexts().empty());
}

}  // namespace
}  // namespace corvallo::e2e
