#pragma once

#include <QString>

namespace platform {

// An exclusive lock on one file name, shared by every process that takes it
// the same way: two runs that would both rewrite an archive of that name
// take turns, each reading what the other wrote. The lock is a `flock` on a
// hidden file beside the named one (".NAME.tovrane-lock"), so the system
// releases it when its owner dies; the file itself is removed by whoever
// unlocks, and a file left by a killed owner is simply locked again. The
// name may not exist yet.
class NameLock {
  public:
    enum class State {
        Held,         // this object holds the lock
        Busy,         // another holder has it; try again later
        Unavailable,  // no lock file can be made there (a read-only folder)
    };

    explicit NameLock(const QString &path);
    ~NameLock();
    NameLock(const NameLock &) = delete;
    NameLock &operator=(const NameLock &) = delete;

    // Takes the lock without waiting.
    State tryLock();
    bool held() const { return fd_ >= 0; }
    void unlock();

    // The lock file that stands for `path`.
    static QString lockFileOf(const QString &path);

  private:
    QByteArray lockFile_;
    int fd_ = -1;
};

}  // namespace platform
