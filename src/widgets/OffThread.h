#pragma once

#include "platform/WhilePumping.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <utility>

// Runs `work` (reading a folder of many entries, say) on a thread of its
// own and waits for its result, letting the window repaint and its timers
// run every few hundredths of a second meanwhile, so that a slow disk or a
// folder of 100,000 files never freezes the window. The user's clicks and
// keys wait until the work is done, so the caller's state cannot change
// under it. Work that ends at once lets no message run at all.
template <typename Work>
auto runOffThread(Work &&work) -> decltype(work()) {
    return runWhilePumping(std::forward<Work>(work), [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}
