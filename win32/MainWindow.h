#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/views/MainView.h"
#include "win32/BaseWindow.h"
#include "win32/IconStoreWindow.h"
#include "win32/LayoutControls.h"
#include "win32/TipPictures.h"
#include "win32/Win32TrayIcon.h"

namespace corvallo {
class FrmMain;
class Program;
}  // namespace corvallo

namespace corvallo::win32 {

// frmMain as a passive view: the window with its standard controls, menus and
// Timer1. It shows what FrmMain tells it and hands every event of the user,
// the timer and the notification icon to FrmMain's handlers. Setting a
// control from code never runs a handler.
//
// The window is made on its first use, not in the constructor, so that the
// program's single-instance guard runs before any window exists.
class MainWindow final : public MainView, public TrayIconHost, public BaseWindow<MainWindow> {
  public:
    // `iconStore` must outlive this object.
    MainWindow(HINSTANCE instance, IconStoreWindow& iconStore);
    ~MainWindow() override;

    // The program whose handlers the window calls, and the notification icon
    // it forwards the shell's messages to; set once, before program.start().
    void attach(Program& program, Win32TrayIcon& trayIcon);

    // Tab, the arrow keys and the buttons' access keys among the controls.
    [[nodiscard]] bool translateDialogMessage(MSG& msg);

    // MainView
    void fillList(ListId list, const std::vector<std::string>& items) override;
    [[nodiscard]] int listCount(ListId list) const override;
    [[nodiscard]] std::string listItem(ListId list, int index) const override;
    [[nodiscard]] int listIndex(ListId list) const override;
    void setListIndex(ListId list, int index) override;
    [[nodiscard]] int sysTrayValue() const override;
    void setSysTrayValue(int value) override;
    [[nodiscard]] bool sysTrayEnabled() const override;
    void setSysTrayEnabled(bool enabled) override;
    [[nodiscard]] OptionId selectedOption() const override;
    void selectOption(OptionId option) override;
    void setCardPicture(int tipIndex) override;
    void setCardPicture2(int tipIndex) override;
    void setCardDescription(const std::string& text) override;
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
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Message handlers (MainWindow.cpp).
    void onCreate();
    void onDestroy();
    void onPaint();
    void onActivate(WPARAM wParam);
    bool onSetCursor(HWND under);
    void onTimer(UINT_PTR id);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onCloseBox();
    void onCloseRequest();
    void onSessionEnd();
    static LRESULT CALLBACK hookProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
    LRESULT onHookMessage(HWND hook, UINT msg, WPARAM wParam, LPARAM lParam);

    // Commands of controls and menus (MainWindowCommands.cpp).
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onMenuCommand(int id);
    void onControlCommand(std::string_view name, int notification);
    void onSysTrayClicked();

    void ensureCreated() const;
    void loadMenus();
    void resizeForDpi(UINT dpi, POINT topLeft);
    void showPicture(std::string_view box, int tipIndex);
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] HWND list(ListId id) const;
    [[nodiscard]] FrmMain& form() const;

    HINSTANCE instance_;
    IconStoreWindow& iconStore_;
    Program* program_ = nullptr;
    Win32TrayIcon* trayIcon_ = nullptr;
    LayoutControls controls_;
    TipPictures pictures_;
    HMENU trayMenu_ = nullptr;
    HICON storeIcon_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    UINT taskbarCreatedMessage_ = 0;
    int picture_ = 0;
    int picture2_ = 0;
    bool destroyed_ = false;
    bool minimizedWhileHidden_ = false;
    // Set while the view itself changes a button, whose BN_CLICKED must not
    // reach the core as a click of the user.
    bool settingFromCode_ = false;
};

}  // namespace corvallo::win32
