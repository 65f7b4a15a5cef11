// The program on a desktop whose notification area is a StatusNotifierItem
// host on the session bus (the notification area of Xfce and KDE Plasma, and
// of GNOME with its AppIndicator extension): the icon is an item registered
// with the host's watcher, and the host's calls to it (Activate, ContextMenu)
// stand for the user's clicks.
#include <QApplication>
#include <QDBusObjectPath>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <filesystem>

#include "TempFolder.h"

#include "ProgramFixture.h"
#include "StatusNotifierHost.h"

namespace corvallo::e2e {
namespace {

class StatusNotifier : public ProgramFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(host_.start()) << "no StatusNotifierItem watcher"; }

    // Hidden with one item registered, and no XEmbed icon beside it.
    bool hiddenAsItem() {
        const bool hidden = waitFor([&] {
            return window() != nullptr && !window()->isVisible() && host_.items().size() == 1;
        });
        return hidden && trayIconOnScreen() == nullptr;
    }

    StatusNotifierHost host_;
};

TEST_F(StatusNotifier, HidingRegistersAnItemThatActivationTakesBack) {
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    EXPECT_TRUE(host_.items().isEmpty());
    click(control("cmdCalculateMoonPhase"));
    ASSERT_TRUE(hiddenAsItem()) << host_.items().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(host_.itemProperty("Status").toString(), QStringLiteral("Active"));

    ASSERT_TRUE(host_.callItem("Activate"));
    EXPECT_TRUE(waitFor([&] { return onScreen(main); }));
    EXPECT_TRUE(waitFor([&] { return host_.items().isEmpty(); }));
    EXPECT_TRUE(boxTexts().empty());
}

// Show and Exit from the item's menu, both ways a host offers it: the D-Bus
// menu that the item exports (which Xfce's panel shows on a right click),
// and the program's own popup, which the item's ContextMenu opens.
struct MenuChoice {
    const char* item;
    const char* label;
    bool ends;
    bool throughDBusMenu;
};

class StatusNotifierMenu : public StatusNotifier, public testing::WithParamInterface<MenuChoice> {};

TEST_P(StatusNotifierMenu, MenuItemDoesItsJobAndTheItemGoes) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    pressCloseBox(main);
    ASSERT_TRUE(hiddenAsItem());

    if (GetParam().throughDBusMenu) {
        ASSERT_TRUE(host_.clickMenuItem(QString::fromLatin1(GetParam().label)))
            << "no D-Bus menu item " << GetParam().label;
    } else {
        // The popup runs a modal loop of its own, inside which the click comes.
        bool chosen = false;
        onceShown(
            main,
            []() -> QWidget* {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                return menu != nullptr && menu->objectName() == QStringLiteral("mnuPopUp")
                           ? menu
                           : nullptr;
            },
            [&](QWidget* widget) {
                auto* menu = static_cast<QMenu*>(widget);
                QAction* item = menu->findChild<QAction*>(QString::fromLatin1(GetParam().item));
                ASSERT_NE(item, nullptr);
                chosen = true;
                clickAt(menu, menu->actionGeometry(item).center());
            });
        ASSERT_TRUE(host_.callItem("ContextMenu"));
        ASSERT_TRUE(waitFor([&] { return chosen; }));
    }
    if (GetParam().ends) {
        EXPECT_TRUE(waitFor([&] { return ended(); }));
    } else {
        EXPECT_TRUE(waitFor([&] { return onScreen(main); }));
        EXPECT_FALSE(ended());
    }
    EXPECT_TRUE(waitFor([&] { return host_.items().isEmpty(); }));
    EXPECT_TRUE(boxTexts().empty());
}

INSTANTIATE_TEST_SUITE_P(ShowAndExit, StatusNotifierMenu,
                         testing::Values(MenuChoice{"mnuPop", "Show", false, true},
                                         MenuChoice{"mnuExit1", "Exit", true, true},
                                         MenuChoice{"mnuPop", "Show", false, false},
                                         MenuChoice{"mnuExit1", "Exit", true, false}),
                         [](const testing::TestParamInfo<MenuChoice>& info) {
                             return std::string(info.param.item) +
                                    (info.param.throughDBusMenu ? "_DBusMenu" : "_Popup");
                         });

TEST_F(StatusNotifier, ItemComesBackWhenTheHostRestarts) {
    storeLaterRun();
    QMainWindow* main = start();
    ASSERT_TRUE(waitFor([&] { return onScreen(main); }));
    pressCloseBox(main);
    ASSERT_TRUE(hiddenAsItem());
    ASSERT_TRUE(host_.stop());
    ASSERT_TRUE(host_.start());
    EXPECT_TRUE(waitFor([&] { return host_.items().size() == 1; }, 10s));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(boxTexts().empty());
}

// A log-on start before the desktop's panel is up: the corvallo executable,
// with a Qt of its own that has never seen a notification area, waits
// minimised, then hides into the host once its watcher appears, and a click
// on the item brings the window back. Seen from outside through the X server.
class StatusNotifierLater : public testing::Test {
  protected:
    StatusNotifierLater()
        : configHome_("XDG_CONFIG_HOME", config_.path().c_str()),
          runtimeDir_("XDG_RUNTIME_DIR", runtime_.path().c_str()) {}
    ~StatusNotifierLater() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    // Shown (mapped) windows of the program's, by their title.
    static bool windowShown() {
        return QProcess::execute(QStringLiteral("xdotool"),
                                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), QStringLiteral("^Corvallo v")}) == 0;
    }

    test::TempFolder config_;
    test::TempFolder runtime_;
    test::ScopedEnvironment configHome_;
    test::ScopedEnvironment runtimeDir_;
    QProcess program_;
    StatusNotifierHost host_;
};

TEST_F(StatusNotifierLater, LogOnStartWaitsForTheHostAndHidesIntoIt) {
    ASSERT_TRUE(waitFor([] { return !StatusNotifierHost::watcherOnBus(); }));
    const std::filesystem::path settings = config_.path() + "/corvallo/corvallo.ini";
    std::filesystem::create_directories(settings.parent_path());
    test::writeFile(settings,
                    "[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=16\nRunAtSysTray=True\n"
                    "SystemTray=True\nAutorunStartUp=True\n");
    // The log-on entry that started it.
    std::filesystem::create_directories(config_.path() + "/autostart");
    test::writeFile(config_.path() + "/autostart/corvallo.desktop",
                    "[Desktop Entry]\nType=Application\nName=Corvallo\nExec=\"" CORVALLO_EXECUTABLE
                    "\" \"/STARTUP\"\n");
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(QStringLiteral(CORVALLO_EXECUTABLE), {QStringLiteral("/STARTUP")});
    ASSERT_TRUE(program_.waitForStarted());
    // Meanwhile it waits (minimised, which no window manager does here).
    QTest::qWait(2000);
    ASSERT_TRUE(host_.start());
    EXPECT_TRUE(waitFor([&] { return host_.items().size() == 1; }, 10s));
    EXPECT_FALSE(windowShown());

    ASSERT_TRUE(host_.callItem("Activate"));
    EXPECT_TRUE(waitFor([] { return windowShown(); }));
    EXPECT_TRUE(waitFor([&] { return host_.items().isEmpty(); }));
    program_.terminate();
    EXPECT_TRUE(program_.waitForFinished());
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
}

}  // namespace
}  // namespace corvallo::e2e
