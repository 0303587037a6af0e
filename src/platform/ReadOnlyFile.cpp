#include "ReadOnlyFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <utility>

namespace platform {

ReadOnlyFile::ReadOnlyFile(const QString &path) {
    // Without waiting, and never as the controlling terminal: what was
    // opened is checked afterwards, not the name, so nothing can be swapped
    // in between. O_NONBLOCK changes nothing for a regular file's reads.
    posix::FileDescriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd) {
        error_ = qt_error_string(errno);
        return;
    }
    struct stat info {};
    const bool examined = ::fstat(fd.get(), &info) == 0;
    if (!examined || !S_ISREG(info.st_mode)) {
        error_ = examined ? QStringLiteral("Not a regular file") : qt_error_string(errno);
        return;
    }
    fd_ = std::move(fd);
    size_ = static_cast<qint64>(info.st_size);
}

qint64 ReadOnlyFile::readAt(char *buffer, qint64 length, qint64 offset) const {
    for (;;) {
        const ssize_t got =
            ::pread(fd_.get(), buffer, static_cast<size_t>(length), static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

}  // namespace platform
