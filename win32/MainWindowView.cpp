// MainWindow as the core's MainView: setters and getters of its controls.
#include <windows.h>

#include <commctrl.h>

#include <stdexcept>

#include "core/ports/PlatformError.h"
#include "resource.h"
#include "core/views/Routes.h"
#include "win32/Dpi.h"
#include "win32/MainWindow.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

// Shows one of two stacked windows and hides the other; the one shown also
// goes to the top of the z-order among its siblings.
void showOneOf(HWND shown, HWND hidden) {
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ShowWindow(hidden, SW_HIDE);
}

}  // namespace

HWND MainWindow::control(std::string_view name) const {
    ensureCreated();
    HWND hwnd = controls_.handle(name);
    if (hwnd == nullptr) {
        throw std::logic_error("no control " + std::string(name));
    }
    return hwnd;
}

HWND MainWindow::list(ListId id) const {
    return control(listName(id));
}

void MainWindow::fillList(ListId id, const std::vector<std::string>& items) {
    HWND box = list(id);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::wstring text = toUtf16(item);
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

int MainWindow::listCount(ListId id) const {
    return static_cast<int>(SendMessageW(list(id), CB_GETCOUNT, 0, 0));
}

std::string MainWindow::listItem(ListId id, int index) const {
    HWND box = list(id);
    const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        throw std::out_of_range("list item");
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return toUtf8(text);
}

int MainWindow::listIndex(ListId id) const {
    return static_cast<int>(SendMessageW(list(id), CB_GETCURSEL, 0, 0));
}

// CB_SETCURSEL sends no CBN_SELCHANGE, so no handler runs from here.
void MainWindow::setListIndex(ListId id, int index) {
    const LRESULT result = SendMessageW(list(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (result == CB_ERR && index != -1) {
        throw std::out_of_range("list index");
    }
}

// BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are 0, 1 and 2, the
// values of the view's check box.
int MainWindow::sysTrayValue() const {
    return static_cast<int>(SendMessageW(control("chkSysTray"), BM_GETCHECK, 0, 0));
}

void MainWindow::setSysTrayValue(int value) {
    if (value < 0 || value > 2) {
        throw std::out_of_range("check box value");
    }
    settingFromCode_ = true;
    SendMessageW(control("chkSysTray"), BM_SETCHECK, static_cast<WPARAM>(value), 0);
    settingFromCode_ = false;
}

bool MainWindow::sysTrayEnabled() const {
    return IsWindowEnabled(control("chkSysTray")) != FALSE;
}

void MainWindow::setSysTrayEnabled(bool enabled) {
    EnableWindow(control("chkSysTray"), enabled ? TRUE : FALSE);
}

OptionId MainWindow::selectedOption() const {
    return SendMessageW(control("optRun"), BM_GETCHECK, 0, 0) == BST_CHECKED ? OptionId::Run
                                                                             : OptionId::DontRun;
}

void MainWindow::selectOption(OptionId option) {
    settingFromCode_ = true;
    SendMessageW(control("optRun"), BM_SETCHECK, option == OptionId::Run ? BST_CHECKED : 0, 0);
    SendMessageW(control("optDontRun"), BM_SETCHECK, option == OptionId::DontRun ? BST_CHECKED : 0,
                 0);
    settingFromCode_ = false;
}

void MainWindow::setCardPicture(int tipIndex) {
    showPicture("picCard", tipIndex);
    picture_ = tipIndex;
}

void MainWindow::setCardPicture2(int tipIndex) {
    showPicture("picCard2", tipIndex);
    picture2_ = tipIndex;
}

// The picture box's size at the current DPI picks and scales the picture.
void MainWindow::showPicture(std::string_view box, int tipIndex) {
    const layout::TwipRect& rect = layout::find(layout::mainWindow(), box).rect;
    const int width = twipsToPixels(rect.width, controls_.dpi());
    const int height = twipsToPixels(rect.height, controls_.dpi());
    HBITMAP bitmap = pictures_.picture(tipIndex, width, height);
    SendMessageW(control(box), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void MainWindow::setCardDescription(const std::string& text) {
    const std::wstring wide = toUtf16(text);
    SetWindowTextW(control("lblCardDesc"), wide.c_str());
}

// The panels are shown and hidden rather than only restacked: the frames
// do not paint their inside, and a hidden panel's controls leave the tab order.
void MainWindow::bringPanelToFront(Panel panel) {
    HWND tip = control("fraRune");
    HWND settings = control("fraSettings");
    HWND shown = panel == Panel::Tip ? tip : settings;
    HWND hidden = panel == Panel::Tip ? settings : tip;
    const bool focusWasInHidden = IsChild(hidden, GetFocus()) != FALSE;
    showOneOf(shown, hidden);
    if (focusWasInHidden) {
        if (HWND first = GetNextDlgTabItem(shown, nullptr, FALSE)) {
            SetFocus(first);
        }
    }
}

void MainWindow::bringPromotionToFront(Promotion label) {
    HWND cobrand = control("lblCobrand");
    HWND fullBrand = control("lblFullBrand");
    showOneOf(label == Promotion::Cobrand ? cobrand : fullBrand,
              label == Promotion::Cobrand ? fullBrand : cobrand);
}

// A window that is hidden is minimized when it is shown next.
void MainWindow::show() {
    ensureCreated();
    ShowWindow(window(), minimizedWhileHidden_ ? SW_SHOWMINIMIZED : SW_SHOW);
    minimizedWhileHidden_ = false;
}

void MainWindow::hide() {
    ensureCreated();
    ShowWindow(window(), SW_HIDE);
}

// ShowWindow with SW_MINIMIZE would also show a hidden window, so a hidden
// window only remembers the state for its next show().
void MainWindow::setWindowState(WindowState state) {
    ensureCreated();
    if (!IsWindowVisible(window())) {
        minimizedWhileHidden_ = state == WindowState::Minimized;
        return;
    }
    if (state == WindowState::Minimized) {
        ShowWindow(window(), SW_MINIMIZE);
    } else if (IsIconic(window())) {
        ShowWindow(window(), SW_RESTORE);
    }
}

// A minimized window's own rectangle is its icon's: its restored rectangle
// (the placement's, in work-area coordinates) is moved instead.
void MainWindow::centreOnScreen() {
    ensureCreated();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT rect;
    GetWindowRect(window(), &rect);
    if (IsIconic(window()) && GetWindowPlacement(window(), &placement)) {
        rect = placement.rcNormalPosition;
    }
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    const POINT topLeft = centredOnPrimaryScreen(size);
    if (IsIconic(window())) {
        OffsetRect(&placement.rcNormalPosition, topLeft.x - rect.left, topLeft.y - rect.top);
        placement.showCmd = SW_SHOWMINIMIZED;
        SetWindowPlacement(window(), &placement);
    } else {
        SetWindowPos(window(), nullptr, topLeft.x, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::setIconFromStore(int position) {
    ensureCreated();
    HICON icon = iconStore_.icon(position);
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (storeIcon_ != nullptr) {
        DestroyIcon(storeIcon_);
    }
    storeIcon_ = icon;
}

// The window must be in the foreground while the menu is open, or the menu
// does not close when the user clicks elsewhere; the WM_NULL posted after it
// closes makes a second right-click open it again at once (both are the
// documented way of using TrackPopupMenu for a notification icon).
TrayMenuChoice MainWindow::popupTrayMenu() {
    ensureCreated();
    if (trayMenu_ == nullptr) {
        throw std::logic_error("no popup menu");
    }
    SetMenuDefaultItem(trayMenu_, ID_MNU_POP, FALSE);
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(window());
    const UINT flags = TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    const int chosen =
        static_cast<int>(TrackPopupMenuEx(trayMenu_, flags, at.x, at.y, window(), nullptr));
    PostMessageW(window(), WM_NULL, 0, 0);
    if (chosen == ID_MNU_POP) {
        return TrayMenuChoice::Show;
    }
    return chosen == ID_MNU_EXIT1 ? TrayMenuChoice::Exit : TrayMenuChoice::None;
}

void MainWindow::destroy() {
    if (window() != nullptr) {
        DestroyWindow(window());
    }
    destroyed_ = true;
}

HWND MainWindow::trayCallbackWindow() {
    return control("picHook");
}

HICON MainWindow::trayIconImage() {
    ensureCreated();
    auto icon = reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_BIG, 0));
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window(), GCLP_HICON));
    }
    return icon;
}

}  // namespace corvallo::win32
