#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

namespace platform {

class NameLockFile;

// An exclusive lock on one file name, shared by every process that takes it
// the same way: two runs that would both rewrite an archive of that name
// take turns, each reading what the other wrote. The lock is one byte of
// the folder's hidden lock file (see NameLockFile.h), so the system
// releases it when its owner dies, and writing many archives into a folder
// creates no file per archive. The name may not exist yet.
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
    bool held() const { return file_ != nullptr; }
    void unlock();

    // The lock file that stands for `path`: its folder's.
    static QString lockFileOf(const QString &path);
    // The byte of that file that stands for `path`'s name: the same in
    // every process and every run of every version that shares the file.
    static std::uint64_t slotOf(const QString &path);

  private:
    QByteArray folder_;
    std::uint64_t slot_ = 0;
    std::shared_ptr<NameLockFile> file_;  // while held
};

}  // namespace platform
