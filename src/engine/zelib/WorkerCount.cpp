#include "WorkerCount.h"

#include <sched.h>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

namespace zelib {

namespace {

constexpr unsigned kMostWorkers = 16;

unsigned processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0) {
        const int count = CPU_COUNT(&set);
        if (count > 0)
            return static_cast<unsigned>(count);
    }
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware > 0 ? hardware : 1;
}

}  // namespace

unsigned workerCount() {
    // Asked once per archive, thousands of times a second in a batch of
    // small files: the system is asked again at most once a second, which
    // still follows a change of the process's processors soon enough.
    using Clock = std::chrono::steady_clock;
    static std::mutex mutex;
    static Clock::time_point asked;
    static unsigned known = 0;
    const std::lock_guard<std::mutex> lock(mutex);
    const Clock::time_point now = Clock::now();
    if (known == 0 || now - asked >= std::chrono::seconds(1)) {
        known = std::min(processors(), kMostWorkers);
        asked = now;
    }
    return known;
}

}  // namespace zelib
