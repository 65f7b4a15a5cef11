#pragma once

#include "core/app/Ports.h"
#include "core/app/SettingsPanel.h"
#include "core/app/StartupOptions.h"
#include "core/app/TipPresenter.h"
#include "core/app/TrayPresenter.h"
#include "core/model/Settings.h"

namespace corvallo {

// What the main window does as it loads: the update reminder, the start-up
// options, the lists, the tip of the day and the stored settings, each step
// on its own. Every object passed in must outlive it.
class LoadSequence {
  public:
    LoadSequence(const Ports& ports, MainView& view, Settings& settings,
                 StartupOptions& startupOptions, SettingsPanel& settingsPanel, TrayPresenter& tray,
                 TipPresenter& tips)
        : ports_(ports),
          view_(view),
          settings_(settings),
          startupOptions_(startupOptions),
          settingsPanel_(settingsPanel),
          tray_(tray),
          tips_(tips) {}

    void run();
    // True when the sequence put the program into the notification area.
    [[nodiscard]] bool startedInTray() const { return startedInTray_; }

  private:
    void remindAboutUpdate();
    void showStartupOptions();
    void goToTrayIfStartedAtLogOn();
    void fillLists();
    void selectFirstDate();
    // The first run stores the defaults and shows the settings panel; a later
    // run brings a new tip when one is due and otherwise shows the stored one.
    void showTipOfTheDay();
    void storeDefaultsAndShowSettings();
    void showStoredOrNewTip();
    void loadSettings();

    const Ports& ports_;
    MainView& view_;
    Settings& settings_;
    StartupOptions& startupOptions_;
    SettingsPanel& settingsPanel_;
    TrayPresenter& tray_;
    TipPresenter& tips_;
    bool startedInTray_ = false;
};

}  // namespace corvallo
