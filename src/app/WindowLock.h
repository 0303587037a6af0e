#pragma once

struct MainWindowParts;

// The lock a batch puts on the main window while it runs: every control that
// could start another operation is disabled, Pause and Stop are enabled.
// Unlocking enables again exactly what locking disabled, and disables Pause
// and Stop.
class WindowLock {
  public:
    explicit WindowLock(const MainWindowParts &window) : window_(window) {}
    void lock();
    void unlock();

  private:
    void setLocked(bool locked);
    const MainWindowParts &window_;
};
