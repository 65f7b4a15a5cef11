#include "app/AppTitle.h"
#include "app/Skip.h"
#include "settings/PanelSettings.h"
#include "ui/FrmMain.h"

namespace corvallo {

void FrmMain::cmdExit_Click() {
    int answer = mb::kIdNo;
    skipOnFailure([&] {
        answer = ports_.messages.show("Are You Sure You Want To Quit Corvallo?",
                                      mb::kYesNo + mb::kExclamation, kAppTitle);
    });
    if (answer == mb::kIdYes) {
        close(CloseReason::ProgramUnload);
    } else {
        cmdCalculateMoonPhase_Click();
    }
}

void FrmMain::close(CloseReason reason) {
    bool cancel = false;
    Form_QueryUnload(reason, cancel);
    if (cancel) {
        return;
    }
    Form_Unload();
    skipOnFailure([&] { view().destroy(); });
    onUnloaded_();
}

// The close box only hides the program in the notification area; every
// other close (the program's own, log-off, another program) is a real quit.
void FrmMain::Form_QueryUnload(CloseReason reason, bool& cancel) {
    if (reason == CloseReason::UserClose) {
        skipOnFailure([&] { view().setWindowState(WindowState::Minimized); });
        skipOnFailure([&] { MinimizeToTray(); });
        skipOnFailure([&] { view().hide(); });
        cancel = true;
    } else {
        skipOnFailure([&] { modMoonPhase::SaveSettings(*this); });
    }
    skipOnFailure([&] { view().bringPanelToFront(Panel::Tip); });
}

void FrmMain::Form_Unload() {
    skipOnFailure([&] { modMoonPhase::SaveSettings(*this); });
    skipOnFailure([&] { RemoveTrayIcon(); });
}

}  // namespace corvallo
