// MainWindow as the core's MainView: setters and getters of its controls.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "core/app/Steps.h"
#include "core/model/TipCatalogue.h"
#include "core/ports/PlatformError.h"
#include "core/views/ControlNames.h"
#include "core/views/Routes.h"
#include "win32/Dpi.h"
#include "win32/MainWindow.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

// Shows one of two stacked windows and hides the other. The z-order stays
// as the controls were made: it is also the Tab order, which follows the
// reading order, and the hidden one covers nothing.
void showOneOf(HWND shown, HWND hidden) {
    ShowWindow(hidden, SW_HIDE);
    ShowWindow(shown, SW_SHOW);
}

}  // namespace

HWND MainWindow::control(std::string_view name) const {
    ensureCreated();
    HWND hwnd = controls().handle(name);
    if (hwnd == nullptr) {
        throw std::logic_error("no control " + std::string(name));
    }
    return hwnd;
}

HWND MainWindow::list(ListId id) const {
    return control(listName(id));
}

OffScreenList* MainWindow::offScreenList(ListId id) const {
    ensureCreated();
    const std::string_view name = listName(id);
    if (controls().handle(name) != nullptr) {
        return nullptr;
    }
    const auto& entries = controls().layout().controls;
    const bool known =
        std::any_of(entries.begin(), entries.end(),
                    [&](const layout::Control& entry) { return entry.name == name; });
    if (!known) {
        throw std::logic_error("no control " + std::string(name));
    }
    return &offScreenLists_[id];
}

// The box does not redraw while it is filled, and its storage is reserved
// for all the items at once.
void MainWindow::fillList(ListId id, const std::vector<std::string>& items) {
    if (OffScreenList* data = offScreenList(id)) {
        data->fill(items);
        return;
    }
    HWND box = list(id);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    std::size_t characters = 0;
    for (const std::string& item : items) {
        characters += item.size() + 1;
    }
    SendMessageW(box, CB_INITSTORAGE, items.size(), characters * sizeof(wchar_t));
    for (const std::string& item : items) {
        const std::wstring text = toUtf16(item);
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

int MainWindow::listCount(ListId id) const {
    if (const OffScreenList* data = offScreenList(id)) {
        return data->itemCount();
    }
    return static_cast<int>(SendMessageW(list(id), CB_GETCOUNT, 0, 0));
}

std::string MainWindow::listItem(ListId id, int index) const {
    if (const OffScreenList* data = offScreenList(id)) {
        return data->item(index);
    }
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
    if (const OffScreenList* data = offScreenList(id)) {
        return data->index();
    }
    return static_cast<int>(SendMessageW(list(id), CB_GETCURSEL, 0, 0));
}

// CB_SETCURSEL sends no CBN_SELCHANGE, so no handler runs from here.
void MainWindow::setListIndex(ListId id, int index) {
    if (OffScreenList* data = offScreenList(id)) {
        data->setIndex(index);
        return;
    }
    const LRESULT result = SendMessageW(list(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (result == CB_ERR && index != -1) {
        throw std::out_of_range("list index");
    }
}

// The check box's three states are BST_UNCHECKED, BST_CHECKED and
// BST_INDETERMINATE.
CheckState MainWindow::trayAtLogOn() const {
    switch (SendMessageW(control(kTrayAtLogOnName), BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
            return CheckState::Ticked;
        case BST_INDETERMINATE:
            return CheckState::Greyed;
        default:
            return CheckState::Clear;
    }
}

void MainWindow::setTrayAtLogOn(CheckState state) {
    WPARAM check = BST_UNCHECKED;
    if (state == CheckState::Ticked) {
        check = BST_CHECKED;
    } else if (state == CheckState::Greyed) {
        check = BST_INDETERMINATE;
    }
    settingFromCode_ = true;
    SendMessageW(control(kTrayAtLogOnName), BM_SETCHECK, check, 0);
    settingFromCode_ = false;
}

bool MainWindow::trayAtLogOnEnabled() const {
    return IsWindowEnabled(control(kTrayAtLogOnName)) != FALSE;
}

void MainWindow::setTrayAtLogOnEnabled(bool enabled) {
    EnableWindow(control(kTrayAtLogOnName), enabled ? TRUE : FALSE);
}

StartupOption MainWindow::startupOption() const {
    return SendMessageW(control(kRunOptionName), BM_GETCHECK, 0, 0) == BST_CHECKED
               ? StartupOption::Run
               : StartupOption::DontRun;
}

void MainWindow::setStartupOption(StartupOption option) {
    settingFromCode_ = true;
    SendMessageW(control(kRunOptionName), BM_SETCHECK,
                 option == StartupOption::Run ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(control(kDontRunOptionName), BM_SETCHECK,
                 option == StartupOption::DontRun ? BST_CHECKED : BST_UNCHECKED, 0);
    settingFromCode_ = false;
}

void MainWindow::setTipPicture(int tipIndex) {
    setPicture(names::kTipPicture, tipIndex);
    tipPicture_ = tipIndex;
}

void MainWindow::setSettingsPicture(int tipIndex) {
    setPicture(names::kSettingsPicture, tipIndex);
    settingsPicture_ = tipIndex;
}

// A hidden window's pictures are decoded when it is shown next
// (showPendingPictures): a start sets them twice, a random tip's and then the
// day's, before the window is on screen, and a start in the notification
// area may not show them at all. An index outside the catalogue is refused at
// once all the same.
void MainWindow::setPicture(std::string_view box, int tipIndex) {
    if (tipIndex < 1 || tipIndex > kTipCount) {
        throw std::out_of_range("tip picture index");
    }
    ensureCreated();
    if (IsWindowVisible(window()) != FALSE) {
        showPicture(box, tipIndex);
    } else {
        picturesPending_ = true;
    }
}

void MainWindow::showPendingPictures() {
    if (!picturesPending_) {
        return;
    }
    picturesPending_ = false;
    if (tipPicture_ != 0) {
        attempt([&] { showPicture(names::kTipPicture, tipPicture_); });
    }
    if (settingsPicture_ != 0) {
        attempt([&] { showPicture(names::kSettingsPicture, settingsPicture_); });
    }
}

// The picture box's size at the current DPI picks and scales the picture.
void MainWindow::showPicture(std::string_view box, int tipIndex) {
    HWND picture = control(box);
    const layout::TwipRect& rect = controls().controlOf(picture)->rect;
    const int width = twipsToPixels(rect.width, controls().dpi());
    const int height = twipsToPixels(rect.height, controls().dpi());
    HBITMAP bitmap = pictures_.picture(tipIndex, width, height);
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void MainWindow::setTipText(const std::string& text) {
    const std::wstring wide = toUtf16(text);
    SetWindowTextW(control(names::kTipText), wide.c_str());
    // The pictures show the tip, so the tip's text is their accessible name,
    // which screen readers take from the window text. A picture static keeps
    // no text of its own (Wine's drops WM_SETTEXT for SS_BITMAP), so the text
    // goes to the window itself through DefWindowProc; nothing draws it.
    for (const std::string_view picture : {names::kTipPicture, names::kSettingsPicture}) {
        DefWindowProcW(control(picture), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

// The panels are shown and hidden rather than only restacked: the frames
// do not paint their inside, and a hidden panel's controls leave the tab order.
void MainWindow::bringPanelToFront(Panel panel) {
    HWND tip = control(names::kTipPanel);
    HWND settings = control(names::kSettingsPanel);
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
    HWND cobrand = control(names::kCobrandLink);
    HWND fullBrand = control(names::kFullBrandLink);
    showOneOf(label == Promotion::Cobrand ? cobrand : fullBrand,
              label == Promotion::Cobrand ? fullBrand : cobrand);
}

// A window that is hidden is minimized when it is shown next.
void MainWindow::show() {
    ensureCreated();
    // ShowWindow sends no WM_SHOWWINDOW when it shows a window minimized.
    showPendingPictures();
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
    IconHandle icon(iconStore_.icon(position));
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    storeIcon_ = std::move(icon);
}

// The window must be in the foreground while the menu is open, or the menu
// does not close when the user clicks elsewhere; the WM_NULL posted after it
// closes makes a second right-click open it again at once (both are the
// documented way of using TrackPopupMenu for a notification icon).
TrayMenuChoice MainWindow::popupTrayMenu() {
    ensureCreated();
    HMENU menu = menus_.popupMenu();
    // "Show", the item that brings the program back, is the default item.
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const auto id = static_cast<int>(GetMenuItemID(menu, i));
        if (trayMenuChoiceOf(id) == TrayMenuChoice::Show) {
            SetMenuDefaultItem(menu, static_cast<UINT>(id), FALSE);
        }
    }
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(window());
    const UINT flags = TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    const int chosen =
        static_cast<int>(TrackPopupMenuEx(menu, flags, at.x, at.y, window(), nullptr));
    PostMessageW(window(), WM_NULL, 0, 0);
    return trayMenuChoiceOf(chosen);
}

// A popup menu item's choice follows from its route: the item that restores
// the program from the tray is "Show", the one that quits is "Exit".
TrayMenuChoice MainWindow::trayMenuChoiceOf(int commandId) const {
    const std::optional<MainAction> action = routeOf(kMainRoutes, menus_.nameOf(commandId));
    if (action == MainAction::RestoreFromTray) {
        return TrayMenuChoice::Show;
    }
    return action == MainAction::Quit ? TrayMenuChoice::Exit : TrayMenuChoice::None;
}

void MainWindow::destroy() {
    if (window() != nullptr) {
        DestroyWindow(window());
    }
    destroyed_ = true;
}

HWND MainWindow::trayCallbackWindow() {
    return control(names::kTrayCallbackBox);
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
