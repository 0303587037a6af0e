#pragma once

#include <QString>

namespace cli {

// One desktop notification: a line that says it all, and a body below it.
struct Notification {
    QString summary;
    QString body;
};

// Shows `notification` as Tovrane's through the notification daemon of the
// session bus (org.freedesktop.Notifications). Without a session bus or a
// daemon nothing is shown and nothing fails: the tool runs from cron and
// ssh sessions too. Waits for the daemon's answer, a few seconds at most,
// so that the call is delivered before the program ends.
void showNotification(const Notification &notification);

}  // namespace cli
