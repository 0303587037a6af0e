#include "ReadOnlyFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace platform {

ReadOnlyFile::ReadOnlyFile(const QString &path) {
    // Without waiting, and never as the controlling terminal: what was
    // opened is checked afterwards, not the name, so nothing can be swapped
    // in between. O_NONBLOCK changes nothing for a regular file's reads.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error_ = qt_error_string(errno);
        return;
    }
    struct stat info {};
    const bool examined = ::fstat(fd, &info) == 0;
    if (!examined || !S_ISREG(info.st_mode)) {
        error_ = examined ? QStringLiteral("Not a regular file") : qt_error_string(errno);
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = static_cast<qint64>(info.st_size);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

qint64 ReadOnlyFile::readAt(char *buffer, qint64 length, qint64 offset) const {
    for (;;) {
        const ssize_t got =
            ::pread(fd_, buffer, static_cast<size_t>(length), static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

}  // namespace platform
