#include "ArchiveFileSource.h"

#include "PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace zelib {

namespace {

// libzip writes an archive in many small pieces (headers, names, a local
// header written again once the entry's size is known) and asks where it
// is after each: kept here and written in one go, a small archive costs one
// write instead of a dozen calls. Larger pieces go straight to the file.
constexpr size_t kWriteBuffer = 256 * 1024;

class ArchiveFile {
  public:
    ArchiveFile(std::string path, bool flushNew, bool absent)
        : path_(std::move(path)), flushNew_(flushNew), knownAbsent_(absent) {
        zip_error_init(&error_);
    }
    ~ArchiveFile() {
        closeReading();
        zip_error_fini(&error_);
    }
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    zip_int64_t command(void *data, zip_uint64_t length, zip_source_cmd_t cmd);

  private:
    zip_int64_t fail(int zipError, int systemError = 0) {
        zip_error_set(&error_, zipError, systemError);
        return -1;
    }
    void closeReading() {
        if (readFd_ >= 0)
            close(readFd_);
        readFd_ = -1;
    }
    zip_int64_t stat(void *data, zip_uint64_t length);
    zip_int64_t read(void *data, zip_uint64_t length);
    zip_int64_t write(const void *data, zip_uint64_t length);
    zip_int64_t seekWrite(zip_int64_t offset, int whence);
    // Writes what the buffer holds; 0 or errno.
    int flushBuffer();
    zip_int64_t beginWrite();

    const std::string path_;
    const bool flushNew_;
    // The caller saw no file under the name just before libzip's first stat.
    bool knownAbsent_;
    bool replacing_ = false;
    // The archive as the last stat saw it.
    enum class Seen { Unknown, Absent, Present } seen_ = Seen::Unknown;
    mode_t seenMode_ = 0;
    zip_error_t error_;
    int readFd_ = -1;
    zip_uint64_t readSize_ = 0;
    zip_uint64_t readOffset_ = 0;
    PendingFile pending_;
    // The new file as libzip sees it: where it writes next, and its end.
    uint64_t writeAt_ = 0, writeEnd_ = 0;
    // Bytes not written yet, meant for the file from bufferAt_ on.
    std::vector<char> buffer_;
    uint64_t bufferAt_ = 0;
};

zip_int64_t ArchiveFile::stat(void *data, zip_uint64_t length) {
    if (length < sizeof(zip_stat_t))
        return fail(ZIP_ER_INVAL);
    if (std::exchange(knownAbsent_, false) && readFd_ < 0) {
        seen_ = Seen::Absent;
        return fail(ZIP_ER_READ, ENOENT);
    }
    struct stat info {};
    const int result = readFd_ >= 0 ? fstat(readFd_, &info) : ::stat(path_.c_str(), &info);
    // libzip takes ZIP_ER_READ with ENOENT for an archive still to be made.
    if (result != 0) {
        if (errno == ENOENT)
            seen_ = Seen::Absent;
        return fail(ZIP_ER_READ, errno);
    }
    seen_ = Seen::Present;
    seenMode_ = info.st_mode;
    zip_stat_t *st = static_cast<zip_stat_t *>(data);
    zip_stat_init(st);
    st->size = static_cast<zip_uint64_t>(info.st_size);
    st->mtime = info.st_mtime;
    st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return sizeof(zip_stat_t);
}

zip_int64_t ArchiveFile::read(void *data, zip_uint64_t length) {
    zip_uint64_t done = 0;
    while (done < length && readOffset_ < readSize_) {
        const ssize_t n =
            pread(readFd_, static_cast<char *>(data) + done, static_cast<size_t>(length - done),
                  static_cast<off_t>(readOffset_));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(ZIP_ER_READ, errno);
        if (n == 0)
            break;
        done += static_cast<zip_uint64_t>(n);
        readOffset_ += static_cast<zip_uint64_t>(n);
    }
    return static_cast<zip_int64_t>(done);
}

int writeAll(int fd, const char *bytes, uint64_t length, uint64_t offset) {
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::pwrite(fd, bytes + done, static_cast<size_t>(length - done),
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += static_cast<uint64_t>(n);
    }
    return 0;
}

int ArchiveFile::flushBuffer() {
    if (buffer_.empty())
        return 0;
    const int error = writeAll(pending_.fd(), buffer_.data(), buffer_.size(), bufferAt_);
    buffer_.clear();
    return error;
}

zip_int64_t ArchiveFile::write(const void *data, zip_uint64_t length) {
    const char *bytes = static_cast<const char *>(data);
    // The buffer covers one stretch of the file: a write elsewhere (or too
    // large to keep) sends it first.
    const bool inside = writeAt_ >= bufferAt_ && writeAt_ <= bufferAt_ + buffer_.size();
    if (!buffer_.empty() && (!inside || writeAt_ - bufferAt_ + length > kWriteBuffer))
        if (const int error = flushBuffer())
            return fail(ZIP_ER_WRITE, error);
    if (buffer_.empty() && length >= kWriteBuffer) {
        if (const int error = writeAll(pending_.fd(), bytes, length, writeAt_))
            return fail(ZIP_ER_WRITE, error);
    } else {
        if (buffer_.empty())
            bufferAt_ = writeAt_;
        const size_t at = static_cast<size_t>(writeAt_ - bufferAt_);
        if (buffer_.capacity() < kWriteBuffer)
            buffer_.reserve(kWriteBuffer);
        if (buffer_.size() < at + length)
            buffer_.resize(at + length);
        std::memcpy(buffer_.data() + at, bytes, length);
    }
    writeAt_ += length;
    writeEnd_ = std::max(writeEnd_, writeAt_);
    return static_cast<zip_int64_t>(length);
}

zip_int64_t ArchiveFile::seekWrite(zip_int64_t offset, int whence) {
    const zip_int64_t base = whence == SEEK_SET   ? 0
                             : whence == SEEK_CUR ? static_cast<zip_int64_t>(writeAt_)
                             : whence == SEEK_END ? static_cast<zip_int64_t>(writeEnd_)
                                                  : -1;
    if (base < 0 || (offset < 0 && -offset > base))
        return fail(ZIP_ER_SEEK, EINVAL);
    writeAt_ = static_cast<uint64_t>(base + offset);
    return 0;
}

zip_int64_t ArchiveFile::beginWrite() {
    // A rewritten archive keeps its permissions; a new one gets the usual
    // ones for a new file.
    // What libzip found when it opened the archive decides: a new archive
    // that something else took the name of meanwhile fails at the commit
    // rather than replacing it.
    struct stat info {};
    info.st_mode = seenMode_;
    const bool exists =
        seen_ == Seen::Unknown ? ::stat(path_.c_str(), &info) == 0 : seen_ == Seen::Present;
    replacing_ = exists;
    writeAt_ = writeEnd_ = 0;
    buffer_.clear();
    if (const int error = pending_.create(path_, 0666))
        return fail(ZIP_ER_TMPOPEN, error);
    if (exists && fchmod(pending_.fd(), info.st_mode & 07777) != 0) {
        const int error = errno;
        pending_.discard();
        return fail(ZIP_ER_TMPOPEN, error);
    }
    return 0;
}

zip_int64_t ArchiveFile::command(void *data, zip_uint64_t length, zip_source_cmd_t cmd) {
    switch (cmd) {
        case ZIP_SOURCE_OPEN: {
            readFd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
            struct stat info {};
            if (readFd_ < 0 || fstat(readFd_, &info) != 0) {
                const int error = errno;
                closeReading();
                return fail(ZIP_ER_OPEN, error);
            }
            readSize_ = static_cast<zip_uint64_t>(info.st_size);
            readOffset_ = 0;
            return 0;
        }
        case ZIP_SOURCE_READ:
            return read(data, length);
        case ZIP_SOURCE_CLOSE:
            closeReading();
            return 0;
        case ZIP_SOURCE_SEEK: {
            const zip_int64_t offset =
                zip_source_seek_compute_offset(readOffset_, readSize_, data, length, &error_);
            if (offset < 0)
                return -1;
            readOffset_ = static_cast<zip_uint64_t>(offset);
            return 0;
        }
        case ZIP_SOURCE_TELL:
            return static_cast<zip_int64_t>(readOffset_);
        case ZIP_SOURCE_STAT:
            return stat(data, length);
        case ZIP_SOURCE_BEGIN_WRITE:
            return beginWrite();
        case ZIP_SOURCE_WRITE:
            return write(data, length);
        case ZIP_SOURCE_SEEK_WRITE: {
            const auto *args = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, length, &error_);
            if (args == nullptr)
                return -1;
            return seekWrite(args->offset, args->whence);
        }
        case ZIP_SOURCE_TELL_WRITE:
            return static_cast<zip_int64_t>(writeAt_);
        case ZIP_SOURCE_COMMIT_WRITE:
            if (const int error = flushBuffer())
                return fail(ZIP_ER_WRITE, error);
            // A rename over an archive that was not flushed first could lose
            // the old archive and the new one in a power loss. A new archive
            // never replaces anything: a file that took its name meanwhile
            // (another program's) stays, and the archive fails.
            if (const int error = pending_.commit(replacing_, replacing_ || flushNew_))
                return fail(ZIP_ER_RENAME, error);
            return 0;
        case ZIP_SOURCE_ROLLBACK_WRITE:
            buffer_.clear();
            pending_.discard();
            return 0;
        case ZIP_SOURCE_REMOVE:
            if (unlink(path_.c_str()) != 0 && errno != ENOENT)
                return fail(ZIP_ER_REMOVE, errno);
            return 0;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error_, data, length);
        case ZIP_SOURCE_FREE:
            delete this;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return ZIP_SOURCE_SUPPORTS_WRITABLE;
        default:
            return fail(ZIP_ER_OPNOTSUPP);
    }
}

zip_int64_t callback(void *state, void *data, zip_uint64_t length, zip_source_cmd_t cmd) {
    return static_cast<ArchiveFile *>(state)->command(data, length, cmd);
}

}  // namespace

zip_t *openWritableArchive(const std::string &path, int flags, bool flushNew, zip_error_t *error,
                           bool absent) {
    auto *file = new (std::nothrow) ArchiveFile(path, flushNew, absent);
    if (file == nullptr) {
        zip_error_set(error, ZIP_ER_MEMORY, 0);
        return nullptr;
    }
    zip_source_t *source = zip_source_function_create(callback, file, error);
    if (source == nullptr) {
        delete file;
        return nullptr;
    }
    zip_t *archive = zip_open_from_source(source, flags, error);
    if (archive == nullptr)
        zip_source_free(source);
    return archive;
}

}  // namespace zelib
