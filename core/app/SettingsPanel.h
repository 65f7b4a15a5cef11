#pragma once

#include "core/app/StartupOptions.h"
#include "core/app/TrayPresenter.h"
#include "core/model/Settings.h"
#include "core/ports/MessageDialog.h"
#include "core/views/MainView.h"

namespace corvallo {

// The settings panel: the display time lists, which are stored the moment
// they change, and the button that applies the start-up choices and puts the
// program away. Every object passed in must outlive the presenter.
class SettingsPanel {
  public:
    SettingsPanel(MainView& view, Settings& settings, MessageDialog& messages,
                  StartupOptions& startupOptions, TrayPresenter& tray)
        : view_(view),
          settings_(settings),
          messages_(messages),
          startupOptions_(startupOptions),
          tray_(tray) {}

    void showSettings();

    // "Show Corvallo Tip": checks the date, stores the start-up choices and
    // puts the program away into the notification area, tip panel in front.
    void applySettingsAndHideToTray();

    // The user picked an entry of a list.
    void listPicked(ListId list);
    // Selects an entry from code; runs the list's action when the selection
    // really changes.
    void selectListIndex(ListId list, int index);

    // Stores the start-up choices, "AutorunStartUp" and "SystemTray". Stops
    // at its first failing step and lets the failure through.
    void save();
    // Sets the panel from the store: the check box, the option buttons and
    // the display time lists, each change running its control's action. Stops
    // at its first failing step (a stored text that does not convert, or is
    // not an entry of its list) and lets the failure through.
    void load();

    // Checks day and month of the hidden date lists, by list index, and says
    // so when they make no date.
    [[nodiscard]] bool dateIsValid();

  private:
    void storeDisplayTime(ListId list);
    void selectStoredEntry(ListId list);
    void minimise();
    void tipPanelToFront();

    MainView& view_;
    Settings& settings_;
    MessageDialog& messages_;
    StartupOptions& startupOptions_;
    TrayPresenter& tray_;
};

}  // namespace corvallo
