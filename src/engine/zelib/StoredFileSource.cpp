#include "StoredFileSource.h"

#include <fcntl.h>
#include <libdeflate.h>
#include <unistd.h>
#include <cerrno>

namespace zelib {

StoredFileSource::StoredFileSource(Reporter &reporter, OperationFailure &failure, EntryFacts facts,
                                   int32_t eventCode, std::string path, const FileIdentity &listed)
    : EntrySource(reporter, failure, std::move(facts), eventCode),
      path_(std::move(path)),
      listed_(listed) {}

StoredFileSource::~StoredFileSource() {
    close();
}

bool StoredFileSource::open() {
    close();
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        fail(ZIP_ER_OPEN, ZE_ERR_READ);
        return false;
    }
    if (!stillAsListed(fd_, path_, listed_)) {
        fail(ZIP_ER_READ, ZE_ERR_READ);
        return false;
    }
    done_ = 0;
    crc_ = 0;
    return true;
}

zip_int64_t StoredFileSource::read(uint8_t *buffer, uint64_t length) {
    // Exactly the size listed; whether the file kept that size is checked
    // once it has all been read.
    const uint64_t wanted = std::min(length, facts_.size - done_);
    uint64_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(fd_, buffer + got, wanted - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(ZIP_ER_READ, errno == ENOMEM ? ZE_ERR_MEMORY : ZE_ERR_READ);
        if (n == 0)
            return fail(ZIP_ER_READ, ZE_ERR_READ);
        got += static_cast<uint64_t>(n);
    }
    crc_ = libdeflate_crc32(crc_, buffer, got);
    done_ += got;
    reporter_.advance(got);
    if (done_ == facts_.size && !finished()) {
        if (!stillAsListed(fd_, path_, listed_))
            return fail(ZIP_ER_READ, ZE_ERR_READ);
        if (!finishEntry(crc_, facts_.size))
            return fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
    }
    if (!reporter_.tick())
        return fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
    return static_cast<zip_int64_t>(got);
}

void StoredFileSource::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void StoredFileSource::describe(zip_stat_t &stat) const {
    stat.valid |= ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_MTIME;
    stat.size = facts_.size;
    stat.comp_method = ZIP_CM_STORE;
    stat.mtime = facts_.mtime;
}

}  // namespace zelib
