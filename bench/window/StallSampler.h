#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

// Finds out what holds the window's thread: while the thread has not
// noted a turn of its message loop for 40 ms, another thread has it write
// its stack to standard error every 30 ms ("sample MS" and the frames as
// backtrace_symbols_fd gives them, module and offset);
// bench/stall_stacks.py names the functions and sorts the samples by the
// stalls they fell in. For diagnosis only: the samples slow the stall down.
class StallSampler {
  public:
    // Samples the thread that makes it.
    StallSampler();
    ~StallSampler();
    StallSampler(const StallSampler &) = delete;
    StallSampler &operator=(const StallSampler &) = delete;

    // A turn of the message loop.
    void beat();
    // Milliseconds since an arbitrary start, as the samples are stamped.
    static std::int64_t now();

  private:
    std::atomic<std::int64_t> lastBeat_;
    std::jthread watcher_;
};
