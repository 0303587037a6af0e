#include "StallSampler.h"

#include <execinfo.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <chrono>

namespace {

constexpr std::int64_t kStalledAfterMs = 40;
constexpr auto kSampleEvery = std::chrono::milliseconds(30);

// Only what may run in a signal handler: no stdio, no allocation.
void writeNumber(std::int64_t n) {
    char digits[24];
    int at = sizeof digits;
    do {
        digits[--at] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0 && at > 0);
    (void)!write(STDERR_FILENO, digits + at, sizeof digits - at);
}

void sample(int) {
    void *frames[48];
    const int count = backtrace(frames, 48);
    static const char mark[] = "sample ";
    (void)!write(STDERR_FILENO, mark, sizeof mark - 1);
    writeNumber(StallSampler::now());
    (void)!write(STDERR_FILENO, "\n", 1);
    backtrace_symbols_fd(frames, count, STDERR_FILENO);
}

}  // namespace

std::int64_t StallSampler::now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

StallSampler::StallSampler() : lastBeat_(now()) {
    // The first backtrace loads its library: never inside the handler.
    void *warm[1];
    backtrace(warm, 1);
    signal(SIGUSR2, sample);
    const pthread_t sampled = pthread_self();
    watcher_ = std::jthread([this, sampled](std::stop_token stop) {
        while (!stop.stop_requested()) {
            std::this_thread::sleep_for(kSampleEvery);
            if (now() - lastBeat_.load() > kStalledAfterMs)
                pthread_kill(sampled, SIGUSR2);
        }
    });
}

StallSampler::~StallSampler() {
    watcher_.request_stop();
    watcher_.join();
    signal(SIGUSR2, SIG_DFL);
}

void StallSampler::beat() {
    lastBeat_ = now();
}
