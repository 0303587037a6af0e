#pragma once

#include "NameLock.h"
#include "posix/FileDescriptor.h"

#include <QByteArray>

#include <sys/types.h>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>

namespace platform {

// The hidden lock file of one folder (".tovrane-lock"), shared by every
// process that locks names of that folder. A name is one byte of it, at the
// name's slot, taken with an open-file-description lock: two runs wait
// only on the same name (or, once in billions, on two names of one slot),
// and the system lets go of a dead owner's bytes. A process opens the file
// once and shares it among its locks; within the process a slot is held at
// most once. The last user out removes the file while it holds the whole
// of it, so a process that still has it open finds the name gone (or
// standing for another file) after it takes its byte, and opens the name
// again.
class NameLockFile {
  public:
    // The shared lock file of `folder`, an absolute, encoded path.
    static std::shared_ptr<NameLockFile> of(const QByteArray &folder);
    static QByteArray pathIn(const QByteArray &folder);

    ~NameLockFile();
    NameLockFile(const NameLockFile &) = delete;
    NameLockFile &operator=(const NameLockFile &) = delete;

    NameLock::State lock(std::uint64_t slot);
    void unlock(std::uint64_t slot);

  private:
    explicit NameLockFile(QByteArray path) : path_(std::move(path)) {}
    bool open();
    bool stillNamed() const;

    const QByteArray path_;
    std::mutex mutex_;
    posix::FileDescriptor fd_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::set<std::uint64_t> held_;
};

// While one lives, the lock files that name locks open stay open between
// locks: a batch that writes thousands of archives into one folder opens
// and removes its lock file once, not once per archive. The files no lock
// holds any more close (and go, as above) when the last of these goes.
class KeepNameLockFiles {
  public:
    KeepNameLockFiles();
    ~KeepNameLockFiles();
    KeepNameLockFiles(const KeepNameLockFiles &) = delete;
    KeepNameLockFiles &operator=(const KeepNameLockFiles &) = delete;
};

}  // namespace platform
