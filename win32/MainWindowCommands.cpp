#include <windows.h>

#include <commctrl.h>

#include "app/Program.h"
#include "app/Skip.h"
#include "resource.h"
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

// Clicks on buttons (BN_CLICKED) and links (STN_CLICKED).
struct ClickRoute {
    std::string_view control;
    int notification;
    void (FrmMain::*handler)();
};
constexpr ClickRoute kClickRoutes[] = {
    {"Label61", STN_CLICKED, &FrmMain::Label61_Click},
    {"lblCobrand", STN_CLICKED, &FrmMain::lblCobrand_Click},
    {"lblFullBrand", STN_CLICKED, &FrmMain::lblFullBrand_Click},
    {"cmdExit", BN_CLICKED, &FrmMain::cmdExit_Click},
    {"cmdSettings", BN_CLICKED, &FrmMain::cmdSettings_Click},
    {"cmdCalculateMoonPhase", BN_CLICKED, &FrmMain::cmdCalculateMoonPhase_Click},
};

// The lists the user can pick from; picking sends CBN_SELCHANGE.
struct ListRoute {
    std::string_view control;
    ListId list;
};
constexpr ListRoute kListRoutes[] = {
    {"cboHour", ListId::Hour},
    {"cboMinute", ListId::Minute},
    {"cboSecond", ListId::Second},
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
    for (const ClickRoute& route : kClickRoutes) {
        if (route.control == name && route.notification == notification) {
            skipOnFailure([&] { (form().*route.handler)(); });
            return;
        }
    }
    if (notification == CBN_SELCHANGE) {
        for (const ListRoute& route : kListRoutes) {
            if (route.control == name) {
                skipOnFailure([&] { form().listChangedByUser(route.list); });
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
