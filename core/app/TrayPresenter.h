#pragma once

#include "core/app/IconStore.h"
#include "core/ports/TrayIcon.h"
#include "core/views/MainView.h"

namespace corvallo {

// Putting the program away into the notification area and bringing it back.
// Every object passed in must outlive the presenter.
class TrayPresenter {
  public:
    TrayPresenter(TrayIcon& trayIcon, MainView& view, IconStore& iconStore)
        : trayIcon_(trayIcon), view_(view), iconStore_(iconStore) {}

    // Adds the icon and hides the window; each step on its own.
    void hideToTray();
    // The window comes back centred, with the program icon from the icon
    // store, and the notification icon goes.
    void restoreFromTray();
    void removeIcon();

  private:
    void addIcon();
    void minimise();
    void hideWindow();
    void showWindow();
    void showNormal();
    void takeProgramIcon();
    void centre();

    TrayIcon& trayIcon_;
    MainView& view_;
    IconStore& iconStore_;
};

}  // namespace corvallo
