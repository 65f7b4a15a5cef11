#pragma once

#include "core/model/Settings.h"
#include "core/ports/MessageDialog.h"
#include "core/ports/Process.h"
#include "core/ports/StartupEntry.h"
#include "core/views/MainView.h"

namespace corvallo {

// The start-up options of the settings panel: "Run at start-up" or not, and
// "Start at system tray". Choosing writes or removes the log-on entry at
// once; the check box is stored the moment it changes. A change made from
// code goes through selectOption and setTrayAtLogOn, which run the control's
// action when the value really changes, as a change by the user would.
// Every object passed in must outlive the presenter.
class StartupOptions {
  public:
    StartupOptions(StartupEntry& entry, Process& process, MessageDialog& messages, MainView& view,
                   Settings& settings)
        : entry_(entry), process_(process), messages_(messages), view_(view), settings_(settings) {}

    // The user clicked an option button; a click on the selected one applies
    // it again.
    void optionClicked(StartupOption option);
    // The user changed the check box.
    void trayAtLogOnClicked();

    void selectOption(StartupOption option);
    void setTrayAtLogOn(CheckState state);

    // True when the log-on entry exists.
    [[nodiscard]] bool startsAtLogOn() const;

    // Writes or removes the log-on entry for the program `appName` in
    // `folder`; a failure is reported in a message box.
    void writeStartupEntry(const std::string& appName, const std::string& folder,
                           bool runAtStartup);

  private:
    void runAtStartupChosen();
    void dontRunChosen();

    StartupEntry& entry_;
    Process& process_;
    MessageDialog& messages_;
    MainView& view_;
    Settings& settings_;
};

}  // namespace corvallo
