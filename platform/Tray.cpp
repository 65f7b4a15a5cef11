#include "app/Skip.h"
#include "ui/FrmMain.h"

namespace corvallo {
namespace {

constexpr int kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr int kRightButtonUp = 0x0205;    // WM_RBUTTONUP

}  // namespace

void FrmMain::MinimizeToTray() {
    skipOnFailure([&] { ports_.trayIcon.add("Recent"); });
    skipOnFailure([&] { view().setWindowState(WindowState::Minimized); });
    skipOnFailure([&] { view().hide(); });
}

void FrmMain::RemoveTrayIcon() {
    skipOnFailure([&] { ports_.trayIcon.remove(); });
}

void FrmMain::picHook_MouseDown(int mouseMessage) {
    if (mouseMessage == kLeftDoubleClick) {
        mnuPop_Click();
    } else if (mouseMessage == kRightButtonUp) {
        TrayMenuChoice choice = TrayMenuChoice::None;
        skipOnFailure([&] { choice = view().popupTrayMenu(); });
        if (choice == TrayMenuChoice::Show) {
            mnuPop_Click();
        } else if (choice == TrayMenuChoice::Exit) {
            mnuExit1_Click();
        }
    }
}

// "Show": the window comes back centred, with the program icon from the icon
// store, and the notification icon goes.
void FrmMain::mnuPop_Click() {
    skipOnFailure([&] { view().show(); });
    skipOnFailure([&] { view().setWindowState(WindowState::Normal); });
    skipOnFailure([&] {
        frmDisplay_.IMGIcon();
        view().setIconFromStore(FrmDisplay::kProgramIcon);
    });
    skipOnFailure([&] { view().centreOnScreen(); });
    skipOnFailure([&] { RemoveTrayIcon(); });
}

}  // namespace corvallo
