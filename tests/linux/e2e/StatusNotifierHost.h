#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace corvallo::e2e {

// The desktop's side of StatusNotifierItem for the tests: xfce4-panel with
// only its notification area (the systray plugin, which is the watcher and
// the host), started and stopped by the test, and calls to the items as the
// host makes them, over a bus connection of its own so that they reach the
// program as another process's calls do.
class StatusNotifierHost {
  public:
    StatusNotifierHost();
    ~StatusNotifierHost();
    StatusNotifierHost(const StatusNotifierHost&) = delete;
    StatusNotifierHost& operator=(const StatusNotifierHost&) = delete;

    // Starts the panel; true once its watcher is on the bus.
    [[nodiscard]] bool start();
    // Ends the panel; true once its watcher has left the bus.
    [[nodiscard]] bool stop();
    [[nodiscard]] static bool watcherOnBus();

    // The items registered with the watcher ("service/path" or "service").
    [[nodiscard]] QStringList items() const;
    // A property of the one registered item; invalid without exactly one.
    [[nodiscard]] QVariant itemProperty(const char* name) const;
    // Calls a method of the one registered item with the click's place on
    // the screen, without waiting for the answer (the program answers from
    // the event loop that the test runs); false without exactly one item.
    [[nodiscard]] bool callItem(const char* method);

    // Clicks the item of that label in the one registered item's D-Bus menu
    // (com.canonical.dbusmenu), as a host does; false when there is none.
    [[nodiscard]] bool clickMenuItem(const QString& label);

  private:
    QProcess panel_;
    QDBusConnection bus_;
};

}  // namespace corvallo::e2e
