#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <utility>

// Runs `work` that may block for long (a flush of a large file to disk) on a
// thread of its own, and calls `pump` every few hundredths of a second until
// it ends, so that the window that runs a batch keeps answering. Without a
// pump the work runs on the caller's thread. The work's exception reaches
// the caller.
template <typename Work>
auto runWhilePumping(Work &&work, const std::function<void()> &pump) -> decltype(work()) {
    if (!pump)
        return work();
    constexpr auto kPace = std::chrono::milliseconds(40);
    auto result = std::async(std::launch::async, std::forward<Work>(work));
    while (result.wait_for(kPace) != std::future_status::ready)
        pump();
    return result.get();
}
