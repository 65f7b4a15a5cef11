// The ways in and out of the main window that its frame, its menu bar and
// its questions offer: what a user can click or press, and what does
// nothing.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <functional>
#include <tuple>
#include <utility>

#include "ProgramFixture.h"
#include "core/model/WebPages.h"

namespace corvallo::e2e {
namespace {

class WindowControls : public ProgramFixture {};

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

TEST_F(WindowControls, EscAndTheCloseBoxLeaveTheExitQuestionOpen) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    bool asked = false;
    onceShown(
        main, [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
        [&](QWidget* widget) {
            asked = true;
            const QPointer<QMessageBox> box = static_cast<QMessageBox*>(widget);
            EXPECT_EQ(box->text(), QStringLiteral("Are You Sure You Want To Quit Corvallo?"));
            const std::pair<const char*, std::function<void()>> ways[] = {
                {"Esc", [&] { QTest::keyClick(box.data(), Qt::Key_Escape); }},
                {"close box", [&] { pressCloseBox(box.data()); }},
            };
            for (const auto& [way, tryToLeave] : ways) {
                SCOPED_TRACE(way);
                tryToLeave();
                QTest::qWait(300);
                ASSERT_TRUE(box && box->isVisible()) << "the question closed";
                EXPECT_TRUE(onScreen(main));
            }
            click(box->button(QMessageBox::Yes));
        });
    click(control("cmdExit"));
    EXPECT_TRUE(asked);
    EXPECT_TRUE(waitFor([&] { return ended(); }));
}

}  // namespace
}  // namespace corvallo::e2e
