#pragma once

#include <QElapsedTimer>

// When a loop lets window messages run: every few hundredths of a second,
// by the clock. A loop over many small items then spends its time on the
// items, not in the message pump, and one over large items still answers
// Pause, Stop and the close box, and repaints.
class MessagePace {
  public:
    explicit MessagePace(int intervalMs = 40) : interval_(intervalMs) { since_.start(); }

    // True once the interval has passed since the last time it said so.
    bool due() {
        if (since_.elapsed() < interval_)
            return false;
        since_.restart();
        return true;
    }

  private:
    QElapsedTimer since_;
    int interval_;
};
