#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "linux/LayoutWidgets.h"
#include "core/app/MainPresenter.h"
#include "core/views/MainView.h"

class QComboBox;
class QMenu;

namespace corvallo {
class Program;
}  // namespace corvallo

namespace corvallo::qt {

class IconStoreWindow;

// The top-level window itself: the close box asks the owner instead of closing.
class MainFrame final : public QMainWindow {
  public:
    std::function<void()> onCloseBox;
    bool closingFromCode = false;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// frmMain as a passive view: a QMainWindow with the layout's widgets, menus
// and Timer1. It shows what FrmMain tells it and hands every event of the
// user, the timer and the notification icon to FrmMain's handlers. Setting a
// control from code never runs a handler.
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

    // The program whose handlers the window calls; set once, before program.start().
    void attach(Program& program) { program_ = &program; }

    // The notification icon's mouse message, handed to the program.
    void onTrayMouse(int mouseMessage);
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

  private:
    void ensureCreated() const;
    void create();
    void createMenus();
    void connectControls();
    void showPicture(std::string_view box, int tipIndex);
    void minimiseWithoutNotificationArea();
    void onNotificationAreaPoll();
    void tellAboutTaskBarOnce();
    [[nodiscard]] QComboBox* list(ListId id) const;
    [[nodiscard]] FrmMain& form() const;

    IconStoreWindow& iconStore_;
    std::function<bool()> hasNotificationArea_;
    Program* program_ = nullptr;
    LayoutWidgets widgets_;
    std::unique_ptr<MainFrame> frame_;
    std::unique_ptr<QMenu> trayMenu_;
    QTimer timer1_;
    QTimer notificationAreaPoll_;
    std::chrono::milliseconds waitForNotificationArea_;
    std::chrono::steady_clock::time_point notificationAreaDeadline_;
    QIcon icon_;
    bool minimizedWhileHidden_ = false;
    bool toldAboutTaskBar_ = false;
    // Minimised for want of a notification area, until shown again.
    bool onTaskBarInsteadOfTray_ = false;
    bool destroyed_ = false;
};

}  // namespace corvallo::qt
