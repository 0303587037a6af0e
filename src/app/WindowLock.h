#pragma once

class TMainform;

// The lock a batch puts on the main window while it runs: every control that
// could start another operation is disabled, Pause and Stop are enabled.
// Unlocking enables again exactly what locking disabled, and disables Pause
// and Stop.
class WindowLock {
  public:
    explicit WindowLock(TMainform &form) : form_(form) {}
    void lock();
    void unlock();

  private:
    void setLocked(bool locked);
    TMainform &form_;
};
