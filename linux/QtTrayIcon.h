#pragma once

#include <QIcon>
#include <QMenu>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "core/ports/TrayIcon.h"
#include "core/views/MainView.h"

namespace corvallo::qt {

// The notification-area icon through QSystemTrayIcon (a StatusNotifierItem
// where the desktop offers one, an XEmbed tray icon otherwise). What the user
// does to it reaches the program as a TrayGesture.
class QtTrayIcon final : public TrayIcon {
  public:
    // `icon` gives the main window's current icon; `onGesture` receives what
    // the user did to the icon. Where the icon is a StatusNotifierItem, the
    // desktop shows its menu itself: `popupMenu` gives the items to show
    // (those of the program's popup), and `onMenuChoice` receives the choice.
    QtTrayIcon(std::function<QIcon()> icon, std::function<void(TrayGesture)> onGesture,
               std::function<const QMenu&()> popupMenu,
               std::function<void(TrayMenuChoice)> onMenuChoice);
    ~QtTrayIcon() override;

    void add(const std::string& tooltip) override;
    void remove() override;

    [[nodiscard]] bool present() const { return present_; }
    // True when the desktop has a notification area to show the icon in:
    // a StatusNotifierItem watcher on the session bus or an XEmbed tray.
    [[nodiscard]] static bool desktopHasNotificationArea();

  private:
    // The gesture that an activation of the icon stands for; nothing for
    // activations the program does not answer.
    [[nodiscard]] static std::optional<TrayGesture> gestureOf(
        QSystemTrayIcon::ActivationReason reason);
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void showIcon();
    // The menu that the desktop shows for a StatusNotifierItem.
    void exportMenu();

    std::function<QIcon()> icon_;
    std::function<void(TrayGesture)> onGesture_;
    std::function<const QMenu&()> popupMenu_;
    std::function<void(TrayMenuChoice)> onMenuChoice_;
    std::unique_ptr<QMenu> exportedMenu_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    QString tooltip_;
    // Polls for a notification area while the icon waits for one.
    QTimer waitForArea_;
    bool present_ = false;
};

}  // namespace corvallo::qt
