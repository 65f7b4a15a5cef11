#pragma once

#include <functional>

#include "core/app/SettingsPanel.h"
#include "core/app/TrayPresenter.h"
#include "core/ports/MessageDialog.h"
#include "core/views/MainView.h"

namespace corvallo {

// Why the main window is asked to close.
enum class CloseReason {
    CloseBox,      // close box, Close in the system menu, Alt+F4
    ProgramQuit,   // the program's own quit
    SessionEnd,    // log-off or shutdown
    OtherProgram,  // a close request from another program
};

// Closing the main window and the exit question. The close box only hides
// the program in the notification area; every other close saves the start-up
// choices and ends the program. Every object passed in must outlive it.
class Closing {
  public:
    // `onClosed` runs once the window is gone (it ends the program).
    Closing(MainView& view, MessageDialog& messages, SettingsPanel& settingsPanel,
            TrayPresenter& tray, std::function<void()> onClosed)
        : view_(view),
          messages_(messages),
          settingsPanel_(settingsPanel),
          tray_(tray),
          onClosed_(std::move(onClosed)) {}

    // "Are You Sure...?": Yes quits; No puts the program away as "Show
    // Corvallo Tip" does.
    void confirmQuit();
    // Quits without asking.
    void quit() { close(CloseReason::ProgramQuit); }
    void close(CloseReason reason);

  private:
    // False when the window stays (the close box); saves the choices otherwise.
    [[nodiscard]] bool mayClose(CloseReason reason);
    void unload();
    void minimise();
    void hideWindow();
    void saveSettings();
    void tipPanelToFront();
    void destroyWindow();

    MainView& view_;
    MessageDialog& messages_;
    SettingsPanel& settingsPanel_;
    TrayPresenter& tray_;
    std::function<void()> onClosed_;
};

}  // namespace corvallo
