#include "MessageTurns.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QThread>

namespace messageturns {

namespace {

QElapsedTimer &clock() {
    thread_local QElapsedTimer since;
    thread_local bool watching = false;
    if (!watching) {
        watching = true;
        since.start();
        // Every turn of the loop, waiting or not, passes through one of
        // these two.
        if (QAbstractEventDispatcher *dispatcher =
                QAbstractEventDispatcher::instance(QThread::currentThread())) {
            QElapsedTimer *clock = &since;
            QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, dispatcher,
                             [clock] { clock->restart(); });
            QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                             [clock] { clock->restart(); });
        }
    }
    return since;
}

}  // namespace

qint64 sinceLastTurn() {
    return clock().elapsed();
}

void noteTurn() {
    clock().restart();
}

}  // namespace messageturns
