#include "linux/TaskBarFallback.h"

#include <QMessageBox>

#include "core/model/ProgramName.h"

namespace corvallo::qt {

TaskBarFallback::TaskBarFallback(std::function<bool()> hasNotificationArea,
                                 std::chrono::milliseconds firstWait)
    : hasNotificationArea_(std::move(hasNotificationArea)), firstWait_(firstWait) {
    poll_.setInterval(500);
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
}

void TaskBarFallback::minimise(QWidget& window) {
    window_ = &window;
    window.showMinimized();
    waiting_ = true;
    if (firstWait_ > std::chrono::milliseconds::zero()) {
        deadline_ = std::chrono::steady_clock::now() + firstWait_;
        firstWait_ = {};
        poll_.start();
        return;
    }
    if (!poll_.isActive()) {
        tellOnce();
    }
}

// Once a notification area appears, Qt puts the icon into it and the window
// can go; when the user or the program has brought the window back
// meanwhile, there is nothing left to do.
void TaskBarFallback::poll() {
    // A window the user has restored from the task bar and is working in stays.
    if (window_.isNull() || !waiting_ || (!window_->isMinimized() && window_->isActiveWindow())) {
        poll_.stop();
        return;
    }
    if (hasNotificationArea_()) {
        poll_.stop();
        waiting_ = false;
        window_->hide();
        return;
    }
    if (std::chrono::steady_clock::now() >= deadline_) {
        poll_.stop();
        tellOnce();
    }
}

void TaskBarFallback::tellOnce() {
    if (told_) {
        return;
    }
    told_ = true;
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kAppTitle),
                    QStringLiteral("This desktop has no notification area, so Corvallo waits "
                                   "minimised on the task bar instead. Click it there to see "
                                   "today's tip."),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

}  // namespace corvallo::qt
