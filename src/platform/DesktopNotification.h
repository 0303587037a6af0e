#pragma once

#include <QDBusConnection>
#include <QString>

namespace platform {

// One desktop notification: a line that says it all, and a body below it.
struct Notification {
    QString summary;
    QString body;
};

// Shows `notification` as Tovrane's through the notification daemon of the
// session bus (org.freedesktop.Notifications). Without a session bus or a
// daemon nothing is shown and nothing fails: the batch tool runs from cron
// and ssh sessions too. Waits for the daemon's answer, a few seconds at
// most, so that the call is delivered before a short-lived program ends.
void showNotification(const Notification &notification);

// The same without waiting, for a program that keeps running: the window
// must not stall on a daemon that is slow to answer. The answers arrive
// through `bus`'s event loop.
void postNotification(const Notification &notification,
                      QDBusConnection bus = QDBusConnection::sessionBus());

}  // namespace platform
