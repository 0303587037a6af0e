#pragma once

#include <QObject>

namespace testsupport {

// Counts the turns of the message loop from its creation on: a queued call
// that queues itself again runs once per turn (what is posted while Qt
// delivers posted events waits for the next turn).
class PumpCounter : public QObject {
  public:
    PumpCounter() { queue(); }
    int turns() const { return turns_; }

  private:
    void queue() {
        QMetaObject::invokeMethod(
            this, [this] { ++turns_, queue(); }, Qt::QueuedConnection);
    }
    int turns_ = 0;
};

}  // namespace testsupport
