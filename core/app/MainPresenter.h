#pragma once

#include <functional>

#include "core/app/Closing.h"
#include "core/app/DailyDisplay.h"
#include "core/app/IconStore.h"
#include "core/app/Links.h"
#include "core/app/LoadSequence.h"
#include "core/app/Ports.h"
#include "core/app/SettingsPanel.h"
#include "core/app/StartupOptions.h"
#include "core/app/TipPresenter.h"
#include "core/app/TrayPresenter.h"
#include "core/model/Settings.h"
#include "core/ports/TrayIcon.h"
#include "core/views/Routes.h"

namespace corvallo {

// The main window's behaviour, composed of one presenter a job. Front-ends
// hand it what the user did: a routed click (kMainRoutes), a list pick, an
// option button, the check box, a tray gesture, a close request, the timer.
class MainPresenter {
  public:
    // `onClosed` runs once the window has closed (it ends the program).
    // `ports` and `views` must outlive this object.
    MainPresenter(const Ports& ports, const Views& views, std::function<void()> onClosed);

    MainPresenter(const MainPresenter&) = delete;
    MainPresenter& operator=(const MainPresenter&) = delete;

    void load() { loadSequence_.run(); }
    // True when loading put the program into the notification area.
    [[nodiscard]] bool startedInTray() const { return loadSequence_.startedInTray(); }

    void perform(MainAction action);
    void listPicked(ListId list) { settingsPanel_.listPicked(list); }
    void startupOptionClicked(StartupOption option) { startupOptions_.optionClicked(option); }
    void trayAtLogOnClicked() { startupOptions_.trayAtLogOnClicked(); }
    void trayGesture(TrayGesture gesture);
    void close(CloseReason reason) { closing_.close(reason); }
    void tick() { dailyDisplay_.tick(); }
    void pickPromotion() { links_.pickPromotion(); }

    // The parts, for callers that drive one job directly.
    [[nodiscard]] IconStore& iconStore() { return iconStore_; }
    [[nodiscard]] TrayPresenter& tray() { return tray_; }
    [[nodiscard]] TipPresenter& tips() { return tips_; }
    [[nodiscard]] StartupOptions& startupOptions() { return startupOptions_; }
    [[nodiscard]] SettingsPanel& settingsPanel() { return settingsPanel_; }

  private:
    const Ports& ports_;
    MainView& view_;
    Settings settings_;
    IconStore iconStore_;
    TrayPresenter tray_;
    TipPresenter tips_;
    StartupOptions startupOptions_;
    SettingsPanel settingsPanel_;
    Closing closing_;
    Links links_;
    DailyDisplay dailyDisplay_;
    LoadSequence loadSequence_;
};

}  // namespace corvallo
