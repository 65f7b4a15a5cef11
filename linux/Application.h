#pragma once

#include <functional>

#include "core/app/Program.h"
#include "core/model/Latin1CodePage.h"
#include "core/model/SeededRandom.h"
#include "linux/AboutWindow.h"
#include "linux/IconStoreWindow.h"
#include "linux/IniSettingsStore.h"
#include "linux/LockFileProcess.h"
#include "linux/MainWindow.h"
#include "linux/PosixClock.h"
#include "linux/QtBrowser.h"
#include "linux/QtDateText.h"
#include "linux/QtMessageDialog.h"
#include "linux/QtTrayIcon.h"
#include "linux/TerminationSignals.h"
#include "linux/XdgAutostartEntry.h"

namespace corvallo::qt {

// The whole Linux program on a running QApplication: the adapters, the windows
// and the core, wired together. main() makes one; the end-to-end tests make
// one per test, against their own XDG folders.
class Application {
  public:
    // `endProcess` ends the event loop; the program calls it once it has ended.
    // `trace` marks the steps of the start; it must outlive the application.
    Application(int argc, char** argv, std::function<void()> endProcess, StartTrace& trace);

    // The program's start; false when this copy was refused and has ended.
    [[nodiscard]] bool start();

    [[nodiscard]] Program& program() { return program_; }
    [[nodiscard]] MainWindow& mainWindow() { return mainWindow_; }
    [[nodiscard]] QtTrayIcon& trayIcon() { return trayIcon_; }
    [[nodiscard]] AboutWindow& aboutWindow() { return aboutWindow_; }

  private:
    LockFileProcess process_;
    IniSettingsStore store_;
    PosixClock clock_;
    SeededRandom random_;
    QtDateText dateText_;
    // Linux has no single-byte system code page; Latin-1 serves, since the
    // scrambled "Duration" only has to read back on the same machine.
    Latin1CodePage codePage_;
    QtBrowser browser_;
    XdgAutostartEntry startupEntry_;
    QtMessageDialog messages_;
    IconStoreWindow iconStore_;
    MainWindow mainWindow_;
    AboutWindow aboutWindow_;
    QtTrayIcon trayIcon_;
    Program program_;
    TerminationSignals signals_;
};

}  // namespace corvallo::qt
