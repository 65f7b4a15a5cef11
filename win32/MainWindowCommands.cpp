#include <windows.h>

#include <commctrl.h>

#include "core/app/Program.h"
#include "core/app/Steps.h"
#include "resource.h"
#include "core/views/Routes.h"
#include "win32/MainWindow.h"

namespace corvallo::win32 {
namespace {

// Menu items and the core handler each one runs.
struct MenuRoute {
    int id;
    void (FrmMain::*handler)();
};
constexpr MenuRoute kMenuRoutes[] = {
    {ID_MNU_CALCULATEMOONPHASE, &FrmMain::mnuCalculateMoonPhase_Click},
    {ID_MNU_EXIT, &FrmMain::mnuExit_Click},
    {ID_MNU_SETTINGS, &FrmMain::mnuSettings_Click},
    {ID_MNU_ONLINE, &FrmMain::mnuOnline_Click},
    {ID_MNU_VISIT, &FrmMain::mnuVisit_Click},
    {ID_MNU_UPDATE, &FrmMain::mnuUpdate_Click},
    {ID_MNU_ABOUT, &FrmMain::mnuAbout_Click},
    {ID_MNU_DONATE, &FrmMain::mnuDonate_Click},
    {ID_MNU_MAKEMONEY, &FrmMain::mnuMakeMoney_Click},
    {ID_MNU_POP, &FrmMain::mnuPop_Click},
    {ID_MNU_EXIT1, &FrmMain::mnuExit1_Click},
};

}  // namespace

void MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    if (lParam == 0) {
        // From a menu (notification 0). There are no accelerators; IDOK and
        // IDCANCEL, which IsDialogMessage sends for Enter and Esc, match no
        // menu item and are ignored.
        if (notification == 0) {
            onMenuCommand(id);
        }
        return;
    }
    onControlCommand(controls_.nameOf(id), notification);
}

void MainWindow::onMenuCommand(int id) {
    for (const MenuRoute& route : kMenuRoutes) {
        if (route.id == id) {
            skipOnFailure([&] { (form().*route.handler)(); });
            return;
        }
    }
}

void MainWindow::onControlCommand(std::string_view name, int notification) {
    // Buttons report a click as BN_CLICKED, links (notifying statics) as
    // STN_CLICKED; both are 0.
    if (notification == BN_CLICKED) {
        for (const HandlerRoute& route : kClickRoutes) {
            if (route.name == name) {
                skipOnFailure([&] { (form().*route.handler)(); });
                return;
            }
        }
    }
    if (notification == CBN_SELCHANGE) {
        for (ListId list : kUserLists) {
            if (listName(list) == name) {
                skipOnFailure([&] { form().listChangedByUser(list); });
                return;
            }
        }
    }
    if (notification != BN_CLICKED || settingFromCode_) {
        return;
    }
    if (name == "optRun" || name == "optDontRun") {
        const OptionId option = name == "optRun" ? OptionId::Run : OptionId::DontRun;
        skipOnFailure([&] { form().optionClickedByUser(option); });
    } else if (name == "chkSysTray") {
        onSysTrayClicked();
    }
}

// The check box is a plain three-state box (BS_3STATE), which reports the
// click without changing itself: a click ticks a clear box and clears a
// ticked or greyed one, then the core's handler runs.
void MainWindow::onSysTrayClicked() {
    HWND box = control("chkSysTray");
    const LRESULT state = SendMessageW(box, BM_GETCHECK, 0, 0);
    settingFromCode_ = true;
    SendMessageW(box, BM_SETCHECK, state == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
    settingFromCode_ = false;
    skipOnFailure([&] { form().sysTrayChangedByUser(); });
}

}  // namespace corvallo::win32
