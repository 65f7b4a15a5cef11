#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "core/app/MainPresenter.h"
#include "core/views/MainView.h"
#include "linux/LayoutWidgets.h"
#include "linux/TaskBarFallback.h"

class QComboBox;
class QMenu;

namespace corvallo {
class Program;
}  // namespace corvallo

namespace corvallo::qt {

class DeferredPicture;

class IconStoreWindow;

// The top-level window itself: the close box asks the owner instead of closing.
class MainFrame final : public QMainWindow {
  public:
    std::function<void()> onCloseBox;
    bool closingFromCode = false;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// The main window as a passive view: a QMainWindow with the layout's
// widgets, menus and the one-second timer of the daily display. It shows what
// the main presenter tells it and hands every event of the user, the timer
// and the notification icon to the presenter. Setting a control from code
// never reaches the presenter.
//
// The window is made on its first use, not in the constructor, so that the
// program's single-instance guard runs before any window exists.
class MainWindow final : public MainView {
  public:
    // `iconStore` must outlive this object. `hasNotificationArea` tells
    // whether hiding the window leaves the user an icon to bring it back.
    // The first time the window is hidden while there is none, it waits up to
    // `waitForNotificationArea` for one before it settles on the task bar: at
    // log-on the desktop's panel may start after the program.
    MainWindow(IconStoreWindow& iconStore, std::function<bool()> hasNotificationArea,
               std::chrono::milliseconds waitForNotificationArea = {});
    ~MainWindow() override;

    // The program whose presenter the window calls; set once, before program.start().
    void attach(Program& program) { program_ = &program; }

    // What the user did to the notification icon, handed to the program.
    void onTrayGesture(TrayGesture gesture);
    // A choice in the icon's menu as the desktop shows it (a
    // StatusNotifierItem's D-Bus menu): handed to the program as a choice in
    // the popup menu that the icon's context gesture opens.
    void onTrayMenuChoice(TrayMenuChoice choice);
    // The popup menu of the notification icon.
    [[nodiscard]] const QMenu& trayMenu() const;
    // A request to end the session or the process from outside.
    void onCloseRequest(CloseReason reason);

    // The window's current icon (the notification icon shows it too).
    [[nodiscard]] QIcon currentIcon() const { return icon_; }
    // The window once made; null before.
    [[nodiscard]] QMainWindow* window() const { return frame_.get(); }

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

  private:
    void ensureCreated() const;
    void create();
    void connectControls();
    void showPicture(std::string_view box, int tipIndex);
    [[nodiscard]] QComboBox* list(ListId id) const;
    [[nodiscard]] MainPresenter& presenter() const;
    // Runs the action of a routed control or menu item.
    void perform(MainAction action);

    IconStoreWindow& iconStore_;
    Program* program_ = nullptr;
    LayoutWidgets widgets_;
    std::unique_ptr<MainFrame> frame_;
    std::unique_ptr<QMenu> trayMenu_;
    QTimer dailyTimer_;
    TaskBarFallback taskBarFallback_;
    QIcon icon_;
    // Owned by their picture labels; made on first use.
    DeferredPicture* tipPicture_ = nullptr;
    DeferredPicture* settingsPicture_ = nullptr;
    // The choice that popupTrayMenu() returns in place of opening the popup.
    std::optional<TrayMenuChoice> trayMenuChoice_;
    bool minimizedWhileHidden_ = false;
    bool destroyed_ = false;
};

}  // namespace corvallo::qt
