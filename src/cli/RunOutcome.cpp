#include "RunOutcome.h"

#include "CliOptions.h"
#include "ConsoleOutput.h"
#include "PathGroups.h"
#include "batch/ErrorLogFile.h"
#include "platform/DesktopNotification.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace cli {

namespace {

// What became of an item that did not fail, by command.
QString doneText(const QString &command, int count) {
    const QString archives =
        count == 1 ? QStringLiteral("%1 archive") : QStringLiteral("%1 archives");
    QString done = QStringLiteral("made");
    if (command == QLatin1String("rezip"))
        done = QStringLiteral("re-zipped");
    else if (command == QLatin1String("unzip"))
        done = QStringLiteral("extracted");
    else if (command == QLatin1String("test"))
        done = QStringLiteral("OK");
    return archives.arg(count) + QLatin1Char(' ') + done;
}

int itemCount(const QStringList &paths) {
    int count = 0;
    for (const PathGroup &group : groupByFolder(paths))
        count += static_cast<int>(group.names.size());
    return count;
}

// Saves `lines` as a new error log in `folder`, under a name of its own per
// run. Returns its path, or an empty text when it could not be saved.
QString saveErrorLog(const QStringList &lines, const QString &folder) {
    if (!QDir().mkpath(folder))
        return {};
    // The time tells the logs apart for the user, the process id for two
    // runs started in the same second.
    const QString path =
        platform::withSeparator(folder) +
        QStringLiteral("error-log-%1-%2.txt")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")),
                 QString::number(QCoreApplication::applicationPid()));
    return writeErrorLogFile(path, lines) ? path : QString();
}

}  // namespace

QString outcomeText(const RunOutcome &outcome) {
    // Items a stopped run never reached are neither made nor failed.
    QString text = outcome.stopped ? QStringLiteral("Stopped")
                                   : doneText(outcome.command, outcome.items - outcome.failed);
    if (outcome.failed > 0)
        text += QStringLiteral(", %1 failed \u2014 see the error log").arg(outcome.failed);
    return text;
}

void notifyEnd(const CliOptions &options, ConsoleOutput &output, bool stopped) {
    const QStringList failures = output.failures();
    const int items = itemCount(options.paths);
    const RunOutcome outcome{options.command, items,
                             std::min(items, static_cast<int>(failures.size())), stopped};
    platform::Notification notification{outcomeText(outcome), {}};
    if (!failures.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        const QString log = saveErrorLog(failures, folder);
        const QString where = log.isEmpty()
                                  ? QStringLiteral("error log could not be saved in %1").arg(folder)
                                  : QStringLiteral("error log is saved as %1").arg(log);
        notification.body = QStringLiteral("The ") + where;
        output.error(QStringLiteral("tovrane-batch: the ") + where);
    }
    platform::showNotification(notification);
}

void notifyNothingDone(const QString &reason) {
    platform::showNotification({QStringLiteral("Nothing done"), reason});
}

}  // namespace cli
