#pragma once

#include <QTimer>
#include <QWidget>

// The start-up splash. Its own timer hides it at the first tick, about two
// seconds after it was made; the main window's first showing switches the
// timer on again, which changes nothing while it is already running.
class TSplash : public QWidget {
    Q_OBJECT
  public:
    TSplash();

    void enableTimer();
    bool timerRunning() const { return timer_.isActive(); }

  private:
    QTimer timer_;
};
