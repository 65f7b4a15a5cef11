#include "linux/QtTrayIcon.h"

namespace corvallo::qt {
namespace {

// The mouse messages the core's icon handling knows (Windows' numbers).
constexpr int kLeftDoubleClick = 0x0203;
constexpr int kRightButtonUp = 0x0205;

}  // namespace

QtTrayIcon::QtTrayIcon(std::function<QIcon()> icon, std::function<void(int)> onMouse)
    : icon_(std::move(icon)), onMouse_(std::move(onMouse)) {}

QtTrayIcon::~QtTrayIcon() = default;

void QtTrayIcon::add(const std::string& tooltip) {
    if (present_) {
        return;
    }
    if (!trayIcon_) {
        trayIcon_ = std::make_unique<QSystemTrayIcon>();
        QObject::connect(trayIcon_.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) { onActivated(reason); });
    }
    trayIcon_->setIcon(icon_());
    trayIcon_->setToolTip(QString::fromStdString(tooltip));
    // Where no notification area runs yet, Qt docks the icon as soon as one
    // appears, and again after the notification area restarts.
    trayIcon_->show();
    present_ = true;
}

void QtTrayIcon::remove() {
    if (trayIcon_) {
        trayIcon_->hide();
    }
    present_ = false;
}

bool QtTrayIcon::desktopHasNotificationArea() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

// No popup menu is attached to the icon: a right click reaches the program,
// which opens its own, as it does on Windows. A single click counts as a
// double-click, because StatusNotifierItem hosts report only single clicks
// and a Linux user expects a click on the icon to bring the window back.
//
// The program runs once the icon's own mouse event has returned: on X11 the
// icon is a widget that remove() deletes, and deleting it inside its own
// mouse press (a click that brings the window back, or the popup's Show or
// Exit) crashes Qt when it goes on handling that press.
void QtTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    int mouseMessage = 0;
    switch (reason) {
        case QSystemTrayIcon::DoubleClick:
        case QSystemTrayIcon::Trigger:
            mouseMessage = kLeftDoubleClick;
            break;
        case QSystemTrayIcon::Context:
            mouseMessage = kRightButtonUp;
            break;
        default:
            return;
    }
    QMetaObject::invokeMethod(
        trayIcon_.get(), [this, mouseMessage] { onMouse_(mouseMessage); }, Qt::QueuedConnection);
}

}  // namespace corvallo::qt
