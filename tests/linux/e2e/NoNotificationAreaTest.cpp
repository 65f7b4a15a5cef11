// The program on a desktop without a notification area, where a hidden
// window could never be brought back: it waits minimised instead.
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTest>

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

}  // namespace
}  // namespace corvallo::e2e
