#include "HeadlessBatchHost.h"

#include <QCoreApplication>

HeadlessBatchHost::HeadlessBatchHost(FileListSource &files, FileListSource &folders)
    : files_(files), folders_(folders) {
    engine_.Overwrite = zowAlways;
    engine_.OnGlobalStatus = [this](TZipEngine *, const TZeGlobalStats &stats) {
        item_ = stats.Percent;
    };
}

void HeadlessBatchHost::waitForMessages() {
    // Nothing else can release a pause here but the owner's pump hook, so
    // there is no message to wait for: just run it.
    pumpMessages();
}

void HeadlessBatchHost::pumpMessages() {
    QCoreApplication::processEvents();
    if (onPump)
        onPump();
}

void HeadlessBatchHost::setStatus(const QString &text) {
    status_ = text;
    if (onStatus)
        onStatus(text);
}
