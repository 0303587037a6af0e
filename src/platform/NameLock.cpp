#include "NameLock.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace platform {

QString NameLock::lockFileOf(const QString &path) {
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tovrane-lock");
}

NameLock::NameLock(const QString &path) : lockFile_(QFile::encodeName(lockFileOf(path))) {}

NameLock::~NameLock() {
    unlock();
}

NameLock::State NameLock::tryLock() {
    if (held())
        return State::Held;
    // A holder removes the file before it lets go, so a lock won on a file
    // that is no longer under the name was won on a file nobody else will
    // look at: open the name again until the lock and the name agree.
    for (;;) {
        const int fd =
            ::open(lockFile_.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0)
            return errno == EINTR ? State::Busy : State::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK || error == EINTR ? State::Busy : State::Unavailable;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::lstat(lockFile_.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            fd_ = fd;
            return State::Held;
        }
        ::close(fd);
    }
}

void NameLock::unlock() {
    if (!held())
        return;
    // Removed while still held: a waiter that opened it meanwhile sees that
    // the name is gone and opens a new one.
    ::unlink(lockFile_.constData());
    ::close(fd_);
    fd_ = -1;
}

}  // namespace platform
