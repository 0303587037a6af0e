#pragma once

#include "posix/FileDescriptor.h"

#include <QString>
#include <QtGlobal>

namespace platform {

// A regular file opened for reading only, for the tools that only read
// (checksums, the duplicate search, file information). Nothing about the
// file is changed to open it: a file the user may read but not write (one
// of another user, a system file, one on a read-only mount) is read as it
// is. Anything that is not a regular file counts as not opened: opening
// never waits (a pipe without a writer would block for ever), and a pipe,
// socket or device is closed again unread. Closed when the object goes.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const QString &path);
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    bool isOpen() const { return bool(fd_); }
    int handle() const { return fd_.get(); }
    // The size when the file was opened.
    qint64 size() const { return size_; }
    // Why the file is not open, for messages.
    QString errorString() const { return error_; }

    // Reads up to `length` bytes at `offset`; the bytes read, 0 at the end
    // of the file, -1 on a read error.
    qint64 readAt(char *buffer, qint64 length, qint64 offset) const;

  private:
    posix::FileDescriptor fd_;
    qint64 size_ = 0;
    QString error_;
};

}  // namespace platform
