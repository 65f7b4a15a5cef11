#include "linux/QtTrayIcon.h"

#include <stdexcept>
#include <string>

#include "core/app/Steps.h"
#include "core/views/ControlNames.h"
#include "linux/NotificationAreas.h"

namespace corvallo::qt {

QtTrayIcon::QtTrayIcon(std::function<QIcon()> icon, std::function<void(TrayGesture)> onGesture,
                       std::function<const QMenu&()> popupMenu,
                       std::function<void(TrayMenuChoice)> onMenuChoice)
    : icon_(std::move(icon)),
      onGesture_(std::move(onGesture)),
      popupMenu_(std::move(popupMenu)),
      onMenuChoice_(std::move(onMenuChoice)) {
    waitForArea_.setInterval(500);
    QObject::connect(&waitForArea_, &QTimer::timeout, [this] {
        if (desktopHasNotificationArea()) {
            attempt([&] { showIcon(); });
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
        // Qt made a StatusNotifierItem if the watcher was there as it asked.
        if (statusNotifierWatcherOnBus()) {
            exportMenu();
        }
    }
    trayIcon_->setIcon(icon_());
    trayIcon_->setToolTip(tooltip_);
    // Should the notification area go, Qt docks the icon again once it is
    // back: an XEmbed icon into the new tray, a StatusNotifierItem with the
    // new watcher.
    trayIcon_->show();
}

// StatusNotifierItem hosts show the item's D-Bus menu on a right click, and
// some (Xfce's) never ask the item to open a menu of its own. Qt exports the
// menu given to the icon; it is a copy of the popup's items, since an XEmbed
// icon would pop the given menu up itself beside the program's popup, and a
// menu that Qt exports is no longer shown as a popup of the program's own.
void QtTrayIcon::exportMenu() {
    exportedMenu_ = std::make_unique<QMenu>();
    const QMenu& popup = popupMenu_();
    const std::pair<std::string_view, TrayMenuChoice> choices[] = {
        {names::kTrayMenuShow, TrayMenuChoice::Show},
        {names::kTrayMenuExit, TrayMenuChoice::Exit},
    };
    for (const auto& [name, choice] : choices) {
        const auto* item = popup.findChild<QAction*>(QString::fromUtf8(name.data(), name.size()));
        if (item == nullptr) {
            throw std::logic_error("popup menu item missing: " + std::string(name));
        }
        QAction* copy = exportedMenu_->addAction(item->text());
        copy->setObjectName(item->objectName());
        // As for the icon's gestures: the program runs once the D-Bus call
        // that chose the item has returned.
        QObject::connect(copy, &QAction::triggered, copy, [this, choice = choice] {
            QMetaObject::invokeMethod(
                exportedMenu_.get(), [this, choice] { onMenuChoice_(choice); },
                Qt::QueuedConnection);
        });
    }
    trayIcon_->setContextMenu(exportedMenu_.get());
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
