#pragma once

#include "platform/Shell.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <utility>

namespace testsupport {

// A shell that only records: beeps counted, addresses kept, restarts counted
// (the test process goes on).
class RecordingShell final : public platform::Shell {
  public:
    void beep() override { ++beeps; }
    bool openUrl(const QUrl &url) override {
        urls << url;
        return true;
    }
    void restartSelf() override { ++restarts; }
    void notify(const QString &summary, const QString &body) override {
        notifications.append({summary, body});
    }

    int beeps = 0;
    int restarts = 0;
    QList<QUrl> urls;
    QList<std::pair<QString, QString>> notifications;
};

RecordingShell &shell();

// Installs fresh scripted dialogs and a fresh recording shell; test main()
// calls it once, and the per-test listener before every test.
void installDefaults();

}  // namespace testsupport
