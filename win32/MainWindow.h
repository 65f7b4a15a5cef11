#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/views/MainView.h"
#include "core/views/Routes.h"
#include "win32/IconStoreWindow.h"
#include "win32/LayoutMenus.h"
#include "win32/LayoutWindow.h"
#include "win32/OffScreenList.h"
#include "win32/TipPictures.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32TrayIcon.h"

namespace corvallo {
class MainPresenter;
class Program;
}  // namespace corvallo

namespace corvallo::win32 {

// The main window as a passive view: the window with its standard controls,
// its menus and the daily-display timer. It shows what the main presenter
// tells it and hands every event of the user, the timer and the notification
// icon to the presenter. Setting a control from code reports nothing.
//
// The window is made on its first use, not in the constructor, so that the
// program's single-instance guard runs before any window exists.
class MainWindow final : public MainView, public TrayIconHost, public LayoutWindow<MainWindow> {
  public:
    // `iconStore` must outlive this object.
    MainWindow(HINSTANCE instance, IconStoreWindow& iconStore);
    ~MainWindow() override;

    // The program whose main presenter the window reports to, and the
    // notification icon it forwards the shell's messages to; set once,
    // before program.start().
    void attach(Program& program, Win32TrayIcon& trayIcon);

    // Tab, the arrow keys and the buttons' access keys among the controls.
    [[nodiscard]] bool translateDialogMessage(MSG& msg);

    // MainView
    void fillList(ListId list, const std::vector<std::string>& items) override;
    [[nodiscard]] int listCount(ListId list) const override;
    [[nodiscard]] std::string listItem(ListId list, int index) const override;
    [[nodiscard]] int listIndex(ListId list) const override;
    void setListIndex(ListId list, int index) override;
    [[nodiscard]] CheckState trayAtLogOn() const override;
    void setTrayAtLogOn(CheckState state) override;
    [[nodiscard]] bool trayAtLogOnEnabled() const override;
    void setTrayAtLogOnEnabled(bool enabled) override;
    [[nodiscard]] StartupOption startupOption() const override;
    void setStartupOption(StartupOption option) override;
    void setTipPicture(int tipIndex) override;
    void setSettingsPicture(int tipIndex) override;
    void setTipText(const std::string& text) override;
    void bringPanelToFront(Panel panel) override;
    void bringPromotionToFront(Promotion label) override;
    void show() override;
    void hide() override;
    void setWindowState(WindowState state) override;
    void centreOnScreen() override;
    void setIconFromStore(int position) override;
    [[nodiscard]] TrayMenuChoice popupTrayMenu() override;
    void destroy() override;

    // TrayIconHost
    [[nodiscard]] HWND trayCallbackWindow() override;
    [[nodiscard]] HICON trayIconImage() override;

  private:
    friend class BaseWindow<MainWindow>;
    friend class LayoutWindow<MainWindow>;
    // The messages that LayoutWindow leaves to this window.
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Message handlers (MainWindow.cpp).
    void onCreate();
    void onDestroy();
    void onActivate(WPARAM wParam);
    [[nodiscard]] LRESULT onGetDefaultButton() const;
    void onTimer(UINT_PTR id);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    [[nodiscard]] bool onSystemCommand(WPARAM command);
    void onCloseBox();
    void onCloseRequest();
    [[nodiscard]] LRESULT onQueryEndSession();
    void onEndSession(bool ending);
    void onTaskbarCreated();
    static LRESULT CALLBACK trayCallbackProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR data);
    LRESULT onTrayCallbackMessage(HWND callbackWindow, UINT msg, WPARAM wParam, LPARAM lParam);
    void onTrayMouseMessage(UINT mouseMessage);

    // Commands of controls and menus (MainWindowCommands.cpp).
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onMenuCommand(int id);
    void onControlCommand(std::string_view name, int notification);
    void onTrayAtLogOnClicked();
    void perform(MainAction action);

    void ensureCreated() const;
    void createMenus();
    void resizeForDpi(UINT dpi, POINT topLeft);
    void setPicture(std::string_view box, int tipIndex);
    void showPicture(std::string_view box, int tipIndex);
    void showPendingPictures();
    [[nodiscard]] TrayMenuChoice trayMenuChoiceOf(int commandId) const;
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] HWND list(ListId id) const;
    // The list's data when the layout never shows it (no window); else null.
    [[nodiscard]] OffScreenList* offScreenList(ListId id) const;
    [[nodiscard]] MainPresenter& presenter() const;

    HINSTANCE instance_;
    IconStoreWindow& iconStore_;
    Program* program_ = nullptr;
    Win32TrayIcon* trayIcon_ = nullptr;
    LayoutMenus menus_;
    TipPictures pictures_;
    IconHandle storeIcon_;
    // Lists without a window, found on their first use.
    mutable std::map<ListId, OffScreenList> offScreenLists_;
    HWND focusBeforeDeactivation_ = nullptr;
    UINT taskbarCreatedMessage_ = 0;
    int tipPicture_ = 0;
    int settingsPicture_ = 0;
    bool destroyed_ = false;
    bool minimizedWhileHidden_ = false;
    // Pictures set while the window was hidden, not decoded yet.
    bool picturesPending_ = false;
    // Set while the view itself changes a button, whose BN_CLICKED must not
    // reach the core as a click of the user.
    bool settingFromCode_ = false;
};

}  // namespace corvallo::win32
