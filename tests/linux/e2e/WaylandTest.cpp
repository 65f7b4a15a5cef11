// The program on a Wayland desktop without a notification area (GNOME's
// default session): windows the compositor places, a window that can only be
// minimised, and no warnings from Qt for what Wayland leaves to the
// compositor (placing, raising and activating windows).
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>
#include <mutex>

#include "ProgramFixture.h"
#include "core/model/WebPages.h"

namespace corvallo::e2e {
namespace {

// Qt's warnings while a test runs: Qt's Wayland platform warns on each call
// that Wayland does not allow, which would fill a user's log every day.
class CaughtWarnings {
  public:
    CaughtWarnings() { previous_ = qInstallMessageHandler(&CaughtWarnings::keep); }
    ~CaughtWarnings() { qInstallMessageHandler(previous_); }
    CaughtWarnings(const CaughtWarnings&) = delete;
    CaughtWarnings& operator=(const CaughtWarnings&) = delete;

    [[nodiscard]] static std::vector<std::string> take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(texts_, {});
    }

  private:
    static void keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            const std::lock_guard lock(mutex_);
            texts_.push_back(std::string(context.category != nullptr ? context.category : "") +
                             ": " + text.toStdString());
        }
        if (previous_ != nullptr) {
            previous_(type, context, text);
        }
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline std::mutex mutex_;
    static inline std::vector<std::string> texts_;
};

class Wayland : public ProgramFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
        ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
        std::ignore = CaughtWarnings::take();
    }
    void TearDown() override {
        ProgramFixture::TearDown();
        for (const std::string& warning : CaughtWarnings::take()) {
            ADD_FAILURE() << "Qt warned: " << warning;
        }
    }

    CaughtWarnings warnings_;
};

TEST_F(Wayland, WindowSettingsAboutAndLinksWork) {
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvallo v1.10"));
    EXPECT_TRUE(control("fraSettings")->isVisible());
    pickListEntry(list("cboHour"), 18);
    EXPECT_EQ(setting("Hour"), "18");

    bool aboutSeen = false;
    onceShown(
        main, [] { return QApplication::activeModalWidget(); },
        [&](QWidget* about) {
            aboutSeen = true;
            EXPECT_EQ(about->objectName(), QStringLiteral("frmAbout"));
            EXPECT_TRUE(waitFor([&] { return onScreen(about); }));
            QTest::keyClick(about->focusWidget() != nullptr ? about->focusWidget() : about,
                            Qt::Key_Escape);
        });
    chooseMenuItem(main, "mnuAbout");
    EXPECT_TRUE(aboutSeen);
    EXPECT_TRUE(waitFor([] { return QApplication::activeModalWidget() == nullptr; }));

    CaughtAddresses browser;
    QMenuBar* bar = main->menuBar();
    auto* donate = bar->findChild<QAction*>(QStringLiteral("mnuDonate"));
    ASSERT_NE(donate, nullptr);
    clickAt(bar, bar->actionGeometry(donate).center());
    EXPECT_TRUE(waitFor([&] { return !browser.addresses().empty(); }));
    EXPECT_EQ(browser.addresses(), std::vector{pageAddress(WebPage::Donate)});
    EXPECT_TRUE(onScreen(main));
}

// Without a notification area the window waits minimised, and says so once;
// "Yes" to the exit question ends the program.
TEST_F(Wayland, ExitQuestionNoMinimisesYesQuits) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    answerNextBox(QMessageBox::No);
    answerNextBox(QMessageBox::Ok);
    click(control("cmdExit"));
    EXPECT_TRUE(waitFor([&] { return boxTexts().size() == 2u; }));
    ASSERT_EQ(boxTexts().size(), 2u);
    EXPECT_EQ(boxTexts().front(), "Are You Sure You Want To Quit Corvallo?");
    EXPECT_NE(boxTexts().back().find("no notification area"), std::string::npos);
    // Minimised by the compositor, which does not tell Qt so: the window
    // stays mapped, never hidden.
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(ended());

    main->showNormal();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    answerNextBox(QMessageBox::Yes);
    click(control("cmdExit"));
    EXPECT_TRUE(waitFor([&] { return ended(); }));
    EXPECT_EQ(setting("AutorunStartUp"), "False");
}

// The daily display brings back the window that waits minimised. Wayland lets
// no program un-minimise its window, so it is taken down and shown anew
// (headless, no window ever has the keyboard focus).
TEST_F(Wayland, DailyDisplayShowsTheMinimisedWindowAnew) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    click(control("cmdSettings"));
    ASSERT_TRUE(pickDisplayTimeSoon()) << "the picks took too long";
    answerNextBox(QMessageBox::Ok);
    click(control("cmdCalculateMoonPhase"));
    ASSERT_TRUE(waitFor([&] { return boxTexts().size() == 1u; }));
    ASSERT_TRUE(main->isVisible());

    int shownAnew = 0;
    QObject::connect(main->windowHandle(), &QWindow::visibleChanged, main,
                     [&](bool visible) { shownAnew += visible ? 1 : 0; });
    EXPECT_TRUE(waitFor([&] { return shownAnew == 1 && onScreen(main); }, 8s));
    EXPECT_FALSE(main->isMinimized());
    EXPECT_EQ(boxTexts().size(), 1u);
}

}  // namespace
}  // namespace corvallo::e2e
