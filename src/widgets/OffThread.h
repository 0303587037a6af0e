#pragma once

#include "MessageTurns.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <future>
#include <utility>

// Runs `work` (reading a folder of many entries, say) on a thread of its
// own and waits for its result, letting the window repaint and its timers
// run whenever it has gone a few hundredths of a second without, so that a
// slow disk, a folder of 100,000 files, or several such reads in a row
// never freeze the window. The user's clicks and keys wait until the work
// is done, so the caller's state cannot change under it. Work that ends at
// once lets no message run at all. The work's exception reaches the caller.
template <typename Work>
auto runOffThread(Work &&work) -> decltype(work()) {
    constexpr qint64 kPace = 40;
    constexpr qint64 kAtLeast = 5;
    auto result = std::async(std::launch::async, std::forward<Work>(work));
    for (;;) {
        const qint64 left = std::max(kAtLeast, kPace - messageturns::sinceLastTurn());
        if (result.wait_for(std::chrono::milliseconds(left)) == std::future_status::ready)
            return result.get();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        messageturns::noteTurn();
    }
}
