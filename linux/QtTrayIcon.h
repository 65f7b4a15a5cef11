#pragma once

#include <QIcon>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "core/ports/TrayIcon.h"

namespace corvallo::qt {

// The notification-area icon through QSystemTrayIcon (a StatusNotifierItem
// where the desktop offers one, an XEmbed tray icon otherwise). Its clicks
// reach the program as the mouse messages the core expects of the icon.
class QtTrayIcon final : public TrayIcon {
  public:
    // `icon` gives the main window's current icon; `onMouse` receives the
    // icon's mouse message (left double-click or right button up).
    QtTrayIcon(std::function<QIcon()> icon, std::function<void(int)> onMouse);
    ~QtTrayIcon() override;

    void add(const std::string& tooltip) override;
    void remove() override;

    [[nodiscard]] bool present() const { return present_; }
    // True when the desktop has a notification area to show the icon in.
    [[nodiscard]] static bool desktopHasNotificationArea();

  private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    std::function<QIcon()> icon_;
    std::function<void(int)> onMouse_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    bool present_ = false;
};

}  // namespace corvallo::qt
