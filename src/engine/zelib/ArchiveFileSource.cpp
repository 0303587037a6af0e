#include "ArchiveFileSource.h"

#include "PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <new>

namespace zelib {

namespace {

class ArchiveFile {
  public:
    ArchiveFile(std::string path, bool flushNew) : path_(std::move(path)), flushNew_(flushNew) {
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
    zip_int64_t beginWrite();

    const std::string path_;
    const bool flushNew_;
    bool replacing_ = false;
    zip_error_t error_;
    int readFd_ = -1;
    zip_uint64_t readSize_ = 0;
    zip_uint64_t readOffset_ = 0;
    PendingFile pending_;
};

zip_int64_t ArchiveFile::stat(void *data, zip_uint64_t length) {
    if (length < sizeof(zip_stat_t))
        return fail(ZIP_ER_INVAL);
    struct stat info {};
    const int result = readFd_ >= 0 ? fstat(readFd_, &info) : ::stat(path_.c_str(), &info);
    // libzip takes ZIP_ER_READ with ENOENT for an archive still to be made.
    if (result != 0)
        return fail(ZIP_ER_READ, errno);
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

zip_int64_t ArchiveFile::write(const void *data, zip_uint64_t length) {
    const char *bytes = static_cast<const char *>(data);
    zip_uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(pending_.fd(), bytes + done, static_cast<size_t>(length - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(ZIP_ER_WRITE, n < 0 ? errno : EIO);
        done += static_cast<zip_uint64_t>(n);
    }
    return static_cast<zip_int64_t>(done);
}

zip_int64_t ArchiveFile::beginWrite() {
    // A rewritten archive keeps its permissions; a new one gets the usual
    // ones for a new file.
    struct stat info {};
    const bool exists = ::stat(path_.c_str(), &info) == 0;
    replacing_ = exists;
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
            if (lseek(pending_.fd(), static_cast<off_t>(args->offset), args->whence) < 0)
                return fail(ZIP_ER_SEEK, errno);
            return 0;
        }
        case ZIP_SOURCE_TELL_WRITE: {
            const off_t at = lseek(pending_.fd(), 0, SEEK_CUR);
            if (at < 0)
                return fail(ZIP_ER_TELL, errno);
            return at;
        }
        case ZIP_SOURCE_COMMIT_WRITE:
            // A rename over an archive that was not flushed first could lose
            // the old archive and the new one in a power loss.
            if (const int error = pending_.commit(true, replacing_ || flushNew_))
                return fail(ZIP_ER_RENAME, error);
            return 0;
        case ZIP_SOURCE_ROLLBACK_WRITE:
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

zip_t *openWritableArchive(const std::string &path, int flags, bool flushNew, zip_error_t *error) {
    auto *file = new (std::nothrow) ArchiveFile(path, flushNew);
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
