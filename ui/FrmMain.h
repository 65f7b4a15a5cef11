#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/Ports.h"
#include "settings/Settings.h"
#include "tips/DailySchedule.h"
#include "ui/FrmDisplay.h"

namespace corvallo {

// Why the main window is asked to close, as Form_QueryUnload receives it.
enum class CloseReason : int {
    UserClose = 0,  // close box, Close in the system menu, Alt+F4
    ProgramUnload = 1,
    SessionEnd = 2,   // log-off or shutdown
    TaskManager = 3,  // a close request from another program
};

// The main window's behaviour: its load sequence, the timer tick and every
// handler of its controls and menus. It drives a passive MainView. Front-ends
// call the handler of a control after the user changed it; a change made from
// code goes through the set... functions below, which run the control's
// handler when the value really changes, as a change by the user would.
class FrmMain {
  public:
    // `onUnloaded` runs once the window has been unloaded (it ends the
    // program). `ports` and `views` must outlive this object.
    FrmMain(const Ports& ports, const Views& views, std::function<void()> onUnloaded);

    // The load sequence.
    void Form_Load();
    // True when the load sequence put the program into the notification area.
    [[nodiscard]] bool startedInTray() const { return startedInTray_; }

    // Runs every second from the window's creation to its unloading.
    void Timer1_Timer() { schedule_.Timer1_Timer(); }

    // Closing.
    void close(CloseReason reason);
    void Form_QueryUnload(CloseReason reason, bool& cancel);
    void Form_Unload();
    void cmdExit_Click();
    void mnuExit_Click() { cmdExit_Click(); }
    void mnuExit1_Click() { close(CloseReason::ProgramUnload); }

    // Panels, links and the About window.
    void cmdSettings_Click() { mnuSettings_Click(); }
    void mnuSettings_Click();
    void CoBrand_Randomize();
    void mnuAbout_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();

    // The settings panel.
    void cmdCalculateMoonPhase_Click();
    void mnuCalculateMoonPhase_Click() { cmdCalculateMoonPhase_Click(); }
    [[nodiscard]] bool ValidateDate();
    void cboHour_Click() { storeListChoice(ListId::Hour, "Hour"); }
    void cboMinute_Click() { storeListChoice(ListId::Minute, "Minute"); }
    void cboSecond_Click() { storeListChoice(ListId::Second, "Second"); }
    void chkSysTray_Click();
    void optRun_Click();
    void optDontRun_Click();

    // A control the user changed: runs its handler. Option buttons run theirs
    // on every click, as a click on a selected option button re-applies it.
    void listChangedByUser(ListId list);
    void sysTrayChangedByUser() { chkSysTray_Click(); }
    void optionClickedByUser(OptionId option);

    // Changes made from code: each runs the control's handler when the value
    // actually changes.
    void selectListIndex(ListId list, int index);
    void setSysTrayValue(int value);
    void selectOption(OptionId option);

    // The notification area.
    void MinimizeToTray();
    void RemoveTrayIcon();
    // The icon's mouse message (the low word of the callback's lParam).
    void picHook_MouseDown(int mouseMessage);
    void mnuPop_Click();

    // The start-up entry.
    void SetRunAtStartup(const std::string& appName, const std::string& appPath, bool runAtStartup);
    [[nodiscard]] bool IsRunAtStartup(const std::string& appName) const;

    // Shows the tip with this index and stores it; each step on its own.
    void ShowTip(std::int16_t index);

    [[nodiscard]] MainView& view() { return views_.main; }
    [[nodiscard]] Settings& settings() { return settings_; }
    [[nodiscard]] const Ports& ports() const { return ports_; }
    [[nodiscard]] FrmDisplay& iconStore() { return frmDisplay_; }

  private:
    void storeListChoice(ListId list, const char* key);
    void showTipOfTheDay();
    void showWindowFromSchedule();

    Ports ports_;
    Views views_;
    Settings settings_;
    FrmDisplay frmDisplay_;
    DailySchedule schedule_;
    std::function<void()> onUnloaded_;
    bool startedInTray_ = false;
};

}  // namespace corvallo
