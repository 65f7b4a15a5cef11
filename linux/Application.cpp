#include "linux/Application.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <csignal>

#include "core/model/StartupSwitch.h"
#include "linux/XdgPaths.h"

namespace corvallo::qt {
namespace {

// A start at log-on (with /STARTUP) may come before the desktop's panel and
// its notification area are up; a start by the user finds them running.
std::chrono::milliseconds waitForNotificationArea(const std::string& commandLine) {
    return hasStartupSwitch(commandLine) ? std::chrono::seconds(15)
                                         : std::chrono::milliseconds::zero();
}

}  // namespace

// No window exists before start() has asked the single-instance guard: the
// main window is made on the view's first use, after it.
Application::Application(int argc, char** argv, std::function<void()> endProcess, StartTrace& trace)
    : process_(argc, argv, std::move(endProcess)),
      store_(IniSettingsStore::forApplication(process_.appName())),
      startupEntry_(xdg::configHome() + "/autostart"),
      mainWindow_(iconStore_, &QtTrayIcon::desktopHasNotificationArea,
                  waitForNotificationArea(process_.commandLine())),
      aboutWindow_(mainWindow_),
      trayIcon_([this] { return mainWindow_.currentIcon(); },
                [this](TrayGesture gesture) { mainWindow_.onTrayGesture(gesture); },
                [this]() -> const QMenu& { return mainWindow_.trayMenu(); },
                [this](TrayMenuChoice choice) { mainWindow_.onTrayMenuChoice(choice); }),
      program_(Ports{store_, clock_, random_, dateText_, codePage_, browser_, startupEntry_,
                     trayIcon_, messages_, process_, trace},
               Views{mainWindow_, aboutWindow_, iconStore_}),
      // SIGTERM and SIGHUP come at log-out and shutdown: the program ends as
      // the session does, saving the start-up choices and removing the icon.
      // Ctrl+C in a terminal counts as another program's close request.
      signals_([this](int number) {
          mainWindow_.onCloseRequest(number == SIGINT ? CloseReason::OtherProgram
                                                      : CloseReason::SessionEnd);
      }) {
    mainWindow_.attach(program_);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(
            application, &QGuiApplication::commitDataRequest,
            [this](QSessionManager&) { mainWindow_.onCloseRequest(CloseReason::SessionEnd); });
    }
}

bool Application::start() {
    if (!program_.start()) {
        return false;
    }
    // From now on message boxes belong to the main window and are modal to it.
    messages_.setOwner(mainWindow_.window());
    return true;
}

}  // namespace corvallo::qt
