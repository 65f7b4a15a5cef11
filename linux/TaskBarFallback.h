#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

namespace corvallo::qt {

// Hiding the main window where the desktop has no notification area: a
// hidden window could never be brought back, so it waits minimised on the
// task bar instead, and the user is told so once. The first time, it may
// first wait a while for a notification area to appear: at log-on the
// desktop's panel may start after the program.
class TaskBarFallback {
  public:
    // `hasNotificationArea` tells whether hiding the window leaves the user an
    // icon to bring it back; `firstWait` is how long the first hiding waits
    // for one.
    TaskBarFallback(std::function<bool()> hasNotificationArea, std::chrono::milliseconds firstWait);

    [[nodiscard]] bool hasNotificationArea() const { return hasNotificationArea_(); }

    // Minimises `window` in place of hiding it. Should a notification area
    // appear while it waits, the window hides into it.
    void minimise(QWidget& window);
    // The window was shown again: it no longer waits.
    void windowShown() { waiting_ = false; }
    // Stops watching for a notification area (the window is going).
    void stop() { poll_.stop(); }

  private:
    void poll();
    void tellOnce();

    std::function<bool()> hasNotificationArea_;
    std::chrono::milliseconds firstWait_;
    std::chrono::steady_clock::time_point deadline_;
    QTimer poll_;
    QPointer<QWidget> window_;
    // Minimised for want of a notification area, until shown again.
    bool waiting_ = false;
    bool told_ = false;
};

}  // namespace corvallo::qt
