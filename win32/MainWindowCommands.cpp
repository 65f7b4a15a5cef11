// The main window's commands: clicks on its buttons, links, option buttons and
// check box, picks from its lists and choices from its menu bar, each handed
// to the main presenter by the control's or menu item's name.
#include <windows.h>

#include <commctrl.h>

#include "core/app/Program.h"
#include "core/app/Steps.h"
#include "core/views/Routes.h"
#include "win32/MainWindow.h"

namespace corvallo::win32 {

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
    onControlCommand(controls().nameOf(id), notification);
}

void MainWindow::onMenuCommand(int id) {
    if (const std::optional<MainAction> action = routeOf(kMainRoutes, menus_.nameOf(id))) {
        perform(*action);
    }
}

void MainWindow::onControlCommand(std::string_view name, int notification) {
    // Buttons report a click as BN_CLICKED, links (notifying statics) as
    // STN_CLICKED; both are 0.
    if (notification == BN_CLICKED) {
        if (const std::optional<MainAction> action = routeOf(kMainRoutes, name)) {
            perform(*action);
            return;
        }
    }
    if (notification == CBN_SELCHANGE) {
        for (ListId list : kUserLists) {
            if (listName(list) == name) {
                attempt([&] { presenter().listPicked(list); });
                return;
            }
        }
    }
    if (notification != BN_CLICKED || settingFromCode_) {
        return;
    }
    if (name == kRunOptionName) {
        attempt([&] { presenter().startupOptionClicked(StartupOption::Run); });
    } else if (name == kDontRunOptionName) {
        attempt([&] { presenter().startupOptionClicked(StartupOption::DontRun); });
    } else if (name == kTrayAtLogOnName) {
        onTrayAtLogOnClicked();
    }
}

void MainWindow::perform(MainAction action) {
    attempt([&] { presenter().perform(action); });
}

// The check box is a plain three-state box (BS_3STATE), which reports the
// click without changing itself: a click ticks a clear box and clears a
// ticked or greyed one, then the presenter hears of it.
void MainWindow::onTrayAtLogOnClicked() {
    HWND box = control(kTrayAtLogOnName);
    const LRESULT state = SendMessageW(box, BM_GETCHECK, 0, 0);
    settingFromCode_ = true;
    SendMessageW(box, BM_SETCHECK, state == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
    settingFromCode_ = false;
    attempt([&] { presenter().trayAtLogOnClicked(); });
}

}  // namespace corvallo::win32
