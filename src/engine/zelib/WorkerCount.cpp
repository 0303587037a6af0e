#include "WorkerCount.h"

#include <sched.h>
#include <algorithm>
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
    return std::min(processors(), kMostWorkers);
}

}  // namespace zelib
