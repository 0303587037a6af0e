#include "DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace cli {

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

}  // namespace

void showNotification(const Notification &notification) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // Asking first tells whether a daemon is there at all, and whether it
    // reads the body as markup, where a path with "&" or "<" must be escaped.
    const QDBusMessage capabilities =
        bus.call(methodCall(QStringLiteral("GetCapabilities")), QDBus::Block, kReplyTimeoutMs);
    if (capabilities.type() != QDBusMessage::ReplyMessage || capabilities.arguments().isEmpty())
        return;
    const bool markup =
        capabilities.arguments().first().toStringList().contains(QStringLiteral("body-markup"));

    QDBusMessage notify = methodCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kAppId}};
    notify << QStringLiteral("Tovrane") << 0u << kAppId << notification.summary
           << (markup ? notification.body.toHtmlEscaped() : notification.body) << QStringList()
           << hints << -1;
    // An error answer shows nothing, which is all there is to do about it.
    bus.call(notify, QDBus::Block, kReplyTimeoutMs);
}

}  // namespace cli
