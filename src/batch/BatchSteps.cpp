#include "BatchSteps.h"

#include "BatchHost.h"
#include "ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/MessagePace.h"
#include "platform/NameLock.h"
#include "platform/Rounding.h"
#include "platform/RunFlag.h"

#include <QCoreApplication>
#include <QThread>

namespace batchsteps {

bool stopRequested(const BatchHost &host) {
    return host.operationFlag() == runflag::Stop;
}

void waitWhilePaused(BatchHost &host) {
    if (host.operationFlag() != runflag::Pause)
        return;
    host.setStatus(
        QCoreApplication::translate("TMainform", "Paused - Click Pause again to continue."));
    while (host.operationFlag() == runflag::Pause)
        host.waitForMessages();
}

bool waitForLock(BatchHost &host, platform::NameLock &lock) {
    // Another run holds the name for as long as it takes to write one
    // archive; the window stays responsive meanwhile.
    constexpr unsigned long kPollMilliseconds = 20;
    while (lock.tryLock() == platform::NameLock::State::Busy) {
        host.pumpMessages();
        if (stopRequested(host))
            return false;
        QThread::msleep(kPollMilliseconds);
    }
    return true;
}

int SelectedEntry::statusPercent() const {
    return platform::roundHalfEven(c * 100.0 / n) - 1;
}

QString SelectedEntry::statusText(const QString &format) const {
    return format.arg(QString::number(c), QString::number(n), QString::number(statusPercent()),
                      name);
}

void forEachSelected(BatchHost &host, FileListSource &list,
                     const std::function<void(const SelectedEntry &)> &handle) {
    const int n = list.selectedCount();
    const QString folder = platform::withSeparator(list.directory());
    // Entries that never reach the engine (names the batch passes over with
    // a line in the log) let no message run on their own: the loop does, by
    // the clock, so Pause and Stop stay within reach.
    MessagePace pace;
    int c = 1;
    for (int i = 0; i < list.count(); ++i) {
        if (pace.due())
            host.pumpMessages();
        if (stopRequested(host))
            break;
        if (n > 0)
            host.setOverallProgress(platform::roundHalfEven(c * 100.0 / n));
        if (!list.isSelected(i))
            continue;
        waitWhilePaused(host);
        host.errorLog().scrollToEnd();
        handle({c, n, i, folder, list.name(i)});
        ++c;
    }
}

bool archiveReadsBack(BatchHost &host, const QString &archive) {
    host.aboutToTestArchive(archive);
    TZipEngine &engine = host.engine();
    engine.ZipFileName = archive;
    // No names: the whole archive. An older entry that reads back wrong
    // makes the archive no safer a home for the new one.
    engine.FilesToProcess.clear();
    return engine.Test() == 0;
}

}  // namespace batchsteps
