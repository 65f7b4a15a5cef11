#include "StatusNotifierHost.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDBusVariant>

#include <gtest/gtest.h>

#include "Desktop.h"

namespace corvallo::e2e {
namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

// An item is registered as "service/path", or as the bare service where it
// sits on the default path.
std::pair<QString, QString> serviceAndPath(const QString& item) {
    const qsizetype slash = item.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        return {item, QStringLiteral("/StatusNotifierItem")};
    }
    return {item.left(slash), item.mid(slash)};
}

}  // namespace

StatusNotifierHost::StatusNotifierHost()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QStringLiteral("corvallo-test-host"))) {}

// The watcher lives in the panel's plugin process, which goes only when the
// panel ends in order; the next test starts on a bus without a watcher.
StatusNotifierHost::~StatusNotifierHost() {
    if (panel_.state() != QProcess::NotRunning) {
        EXPECT_TRUE(stop()) << "the watcher outlived the panel";
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("corvallo-test-host"));
}

// Headless, no window manager runs: the panel would wait for one.
bool StatusNotifierHost::start() {
    panel_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    panel_.start(QStringLiteral("xfce4-panel"), {QStringLiteral("--disable-wm-check")});
    return panel_.waitForStarted() && waitFor([] { return watcherOnBus(); }, 10s);
}

bool StatusNotifierHost::stop() {
    panel_.terminate();
    panel_.waitForFinished();
    return waitFor([] { return !watcherOnBus(); });
}

bool StatusNotifierHost::watcherOnBus() {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered(kWatcherService).value();
}

QStringList StatusNotifierHost::items() const {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("RegisteredStatusNotifierItems");
    const QDBusReply<QDBusVariant> reply = bus_.call(get);
    return reply.isValid() ? reply.value().variant().toStringList() : QStringList{};
}

QVariant StatusNotifierHost::itemProperty(const char* name) const {
    const QStringList registered = items();
    if (registered.size() != 1) {
        return {};
    }
    const auto [service, path] = serviceAndPath(registered.front());
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kItemInterface << QString::fromLatin1(name);
    QDBusPendingCall pending = bus_.asyncCall(get);
    if (!waitFor([&] { return pending.isFinished(); })) {
        return {};
    }
    const QDBusReply<QDBusVariant> reply = pending.reply();
    return reply.isValid() ? reply.value().variant() : QVariant{};
}

bool StatusNotifierHost::callItem(const char* method) {
    const QStringList registered = items();
    if (registered.size() != 1) {
        return false;
    }
    const auto [service, path] = serviceAndPath(registered.front());
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, kItemInterface, QString::fromLatin1(method));
    // Near the panel at the bottom right, where a host would pop a menu up.
    call << 1200 << 1000;
    return bus_.send(call);
}

bool StatusNotifierHost::clickMenuItem(const QString& label) {
    const QStringList registered = items();
    const QString menuPath = itemProperty("Menu").value<QDBusObjectPath>().path();
    if (registered.size() != 1 || menuPath.isEmpty()) {
        return false;
    }
    const QString service = serviceAndPath(registered.front()).first;
    const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");
    QDBusMessage getLayout = QDBusMessage::createMethodCall(service, menuPath, menuInterface,
                                                            QStringLiteral("GetLayout"));
    getLayout << 0 << -1 << QStringList{};
    QDBusPendingCall pending = bus_.asyncCall(getLayout);
    if (!waitFor([&] { return pending.isFinished(); }) || pending.isError() ||
        pending.reply().arguments().size() != 2) {
        return false;
    }
    // (revision, (id, properties, [(id, properties, children)...]))
    const auto layout = pending.reply().arguments().at(1).value<QDBusArgument>();
    int rootId = 0;
    QVariantMap rootProperties;
    QVariantList children;
    layout.beginStructure();
    layout >> rootId >> rootProperties >> children;
    layout.endStructure();
    for (const QVariant& child : children) {
        // Each child is a variant holding its structure, which QtDBus may
        // hand over already unwrapped.
        const QVariant inner = child.userType() == qMetaTypeId<QDBusVariant>()
                                   ? child.value<QDBusVariant>().variant()
                                   : child;
        const auto entry = inner.value<QDBusArgument>();
        int id = 0;
        QVariantMap properties;
        entry.beginStructure();
        entry >> id >> properties;
        if (properties.value(QStringLiteral("label")).toString() != label) {
            continue;
        }
        QDBusMessage event = QDBusMessage::createMethodCall(service, menuPath, menuInterface,
                                                            QStringLiteral("Event"));
        event << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0))
              << static_cast<uint>(0);
        return bus_.send(event);
    }
    return false;
}

}  // namespace corvallo::e2e
