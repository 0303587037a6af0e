#include "DesktopNotification.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kAppId = QStringLiteral("org.tovrane.Tovrane");
// Enough for a daemon that the bus starts on demand; a hung daemon must not
// keep a file manager's action running for long.
constexpr int kReplyTimeoutMs = 5000;

QDBusMessage methodCall(const QString &method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

// The daemon's answer to GetCapabilities says whether one is there at all,
// and whether it reads the body as markup, where a path with "&" or "<"
// must be escaped.
bool readsMarkup(const QDBusMessage &capabilities) {
    return capabilities.arguments().first().toStringList().contains(QStringLiteral("body-markup"));
}

QDBusMessage notifyCall(const Notification &notification, bool markup) {
    QDBusMessage notify = methodCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kAppId}};
    notify << QStringLiteral("Tovrane") << 0u << kAppId << notification.summary
           << (markup ? notification.body.toHtmlEscaped() : notification.body) << QStringList()
           << hints << -1;
    return notify;
}

bool answered(const QDBusMessage &reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

}  // namespace

void showNotification(const Notification &notification) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QDBusMessage capabilities =
        bus.call(methodCall(QStringLiteral("GetCapabilities")), QDBus::Block, kReplyTimeoutMs);
    if (!answered(capabilities))
        return;
    // An error answer shows nothing, which is all there is to do about it.
    bus.call(notifyCall(notification, readsMarkup(capabilities)), QDBus::Block, kReplyTimeoutMs);
}

void postNotification(const Notification &notification, QDBusConnection bus) {
    if (!bus.isConnected())
        return;
    auto *watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(methodCall(QStringLiteral("GetCapabilities")), kReplyTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [notification, bus](QDBusPendingCallWatcher *call) mutable {
                         call->deleteLater();
                         const QDBusMessage capabilities = call->reply();
                         if (answered(capabilities))
                             bus.asyncCall(notifyCall(notification, readsMarkup(capabilities)),
                                           kReplyTimeoutMs);
                     });
}

}  // namespace platform
