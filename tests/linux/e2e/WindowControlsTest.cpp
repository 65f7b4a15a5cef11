// The ways in and out of the main window that its frame, its menu bar and
// its questions offer: what a user can click or press, and what does
// nothing.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <tuple>
#include <utility>

#include "ProgramFixture.h"
#include "core/model/WebPages.h"

namespace corvallo::e2e {
namespace {

class WindowControls : public ProgramFixture {
  protected:
    // A later run's main window, on screen.
    QMainWindow* startShown() {
        storeLaterRun();
        QMainWindow* main = start();
        EXPECT_TRUE(waitFor([&] { return onScreen(main); }));
        return main;
    }
};

TEST_F(WindowControls, DonateOnTheMenuBarOpensTheDonatePageAtOnce) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    QMenuBar* bar = main->menuBar();
    auto* donate = bar->findChild<QAction*>(QStringLiteral("mnuDonate"));
    ASSERT_NE(donate, nullptr);
    EXPECT_TRUE(donate->isVisible());
    EXPECT_EQ(donate->text(), QStringLiteral("&Donate"));

    CaughtAddresses browser;
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"one click", [&] { clickAt(bar, bar->actionGeometry(donate).center()); }},
        {"Alt+D", [&] { typeOnScreen(main, "alt+d"); }},
    };
    for (const auto& [way, choose] : ways) {
        SCOPED_TRACE(way);
        browser.clear();
        choose();
        EXPECT_TRUE(waitFor([&] { return !browser.addresses().empty(); }));
        EXPECT_EQ(browser.addresses(), std::vector{pageAddress(WebPage::Donate)});
        // No menu is left open to close.
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST_F(WindowControls, MainWindowHasATitleBarWithOnlyTheCloseBoxAndAFixedSize) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    const Qt::WindowFlags flags = main->windowFlags();
    const std::tuple<const char*, Qt::WindowType, bool> hints[] = {
        {"title bar", Qt::WindowTitleHint, true},
        {"system menu", Qt::WindowSystemMenuHint, true},
        {"close box", Qt::WindowCloseButtonHint, true},
        {"minimise button", Qt::WindowMinimizeButtonHint, false},
        {"maximise button", Qt::WindowMaximizeButtonHint, false},
    };
    for (const auto& [name, hint, offered] : hints) {
        SCOPED_TRACE(name);
        EXPECT_EQ(flags.testFlag(hint), offered);
    }
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
}

}  // namespace
}  // namespace corvallo::e2e
