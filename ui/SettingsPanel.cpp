#include "app/AppTitle.h"
#include "app/Skip.h"
#include "settings/PanelSettings.h"
#include "ui/FrmMain.h"

namespace corvallo {

// "Show Corvallo Tip": checks the date, stores the start-up choices and puts
// the program away into the notification area, tip panel in front.
void FrmMain::cmdCalculateMoonPhase_Click() {
    if (!ValidateDate()) {
        return;
    }
    skipOnFailure([&] { modMoonPhase::SaveSettings(*this); });
    skipOnFailure([&] { view().setWindowState(WindowState::Minimized); });
    skipOnFailure([&] { MinimizeToTray(); });
    skipOnFailure([&] { view().bringPanelToFront(Panel::Tip); });
}

// Day and month by list index (0 is day 1 and January). The year is not
// consulted, so 29 February always passes.
bool FrmMain::ValidateDate() {
    const int day = view().listIndex(ListId::Date);
    const int month = view().listIndex(ListId::Month);
    const bool february30or31 = month == 1 && day >= 29 && day <= 30;
    const bool day31of30DayMonth =
        (month == 3 || month == 5 || month == 8 || month == 10) && day == 30;
    if (!february30or31 && !day31of30DayMonth) {
        return true;
    }
    skipOnFailure(
        [&] { ports_.messages.show("Please Enter Correct Date !", mb::kInformation, kAppTitle); });
    return false;
}

}  // namespace corvallo
