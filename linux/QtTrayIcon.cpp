#include "linux/QtTrayIcon.h"

#include "linux/NotificationAreas.h"

namespace corvallo::qt {

QtTrayIcon::QtTrayIcon(std::function<QIcon()> icon, std::function<void(TrayGesture)> onGesture)
    : icon_(std::move(icon)), onGesture_(std::move(onGesture)) {
    waitForArea_.setInterval(500);
    QObject::connect(&waitForArea_, &QTimer::timeout, [this] {
        if (desktopHasNotificationArea()) {
            showIcon();
        }
    });
}

QtTrayIcon::~QtTrayIcon() = default;

// Qt's icon is made only once a notification area is up, so that Qt takes
// the kind of icon that area shows (NotificationAreas.h); until then the
// icon waits here.
void QtTrayIcon::add(const std::string& tooltip) {
    if (present_) {
        return;
    }
    tooltip_ = QString::fromStdString(tooltip);
    present_ = true;
    if (trayIcon_ || desktopHasNotificationArea()) {
        showIcon();
    } else {
        waitForArea_.start();
    }
}

void QtTrayIcon::showIcon() {
    waitForArea_.stop();
    if (!trayIcon_) {
        trayIcon_ = std::make_unique<QSystemTrayIcon>();
        QObject::connect(trayIcon_.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) { onActivated(reason); });
    }
    trayIcon_->setIcon(icon_());
    trayIcon_->setToolTip(tooltip_);
    // Should the notification area go, Qt docks the icon again once it is
    // back: an XEmbed icon into the new tray, a StatusNotifierItem with the
    // new watcher.
    trayIcon_->show();
}

void QtTrayIcon::remove() {
    waitForArea_.stop();
    if (trayIcon_) {
        trayIcon_->hide();
    }
    present_ = false;
}

bool QtTrayIcon::desktopHasNotificationArea() {
    return statusNotifierWatcherOnBus() || xembedTrayOnDisplay();
}

// A single click activates the icon as a double-click does: StatusNotifierItem
// hosts report only single clicks, and a Linux user expects a click on the
// icon to bring the window back. No popup menu is attached to the icon: the
// context gesture reaches the program, which opens its own menu.
std::optional<TrayGesture> QtTrayIcon::gestureOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
        case QSystemTrayIcon::DoubleClick:
            return TrayGesture::Activate;
        case QSystemTrayIcon::Context:
            return TrayGesture::OpenMenu;
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            break;
    }
    return std::nullopt;
}

// The program runs once the icon's own mouse event has returned: on X11 the
// icon is a widget that remove() deletes, and deleting it inside its own
// mouse press (a click that brings the window back, or the popup's Show or
// Exit) crashes Qt when it goes on handling that press.
void QtTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    const std::optional<TrayGesture> gesture = gestureOf(reason);
    if (!gesture) {
        return;
    }
    QMetaObject::invokeMethod(
        trayIcon_.get(), [this, gesture = *gesture] { onGesture_(gesture); }, Qt::QueuedConnection);
}

}  // namespace corvallo::qt
