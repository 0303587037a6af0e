#include "NameLockFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <map>
#include <vector>

namespace platform {

namespace {

// Open-file-description locks: owned by the open file, not the process,
// so they conflict with every other open of the file (and with the older
// process-owned fcntl locks of other processes) and go when it is closed.
int setLock(int fd, short type, std::uint64_t start, off_t length) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(start);
    lock.l_len = length;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0 ? 0 : errno;
}

struct Registry {
    std::mutex mutex;
    std::map<QByteArray, std::weak_ptr<NameLockFile>> open;
    std::vector<std::shared_ptr<NameLockFile>> kept;
    int keepers = 0;
};

Registry &registry() {
    static Registry shared;
    return shared;
}

}  // namespace

QByteArray NameLockFile::pathIn(const QByteArray &folder) {
    return (folder.endsWith('/') ? folder : folder + '/') + ".tovrane-lock";
}

std::shared_ptr<NameLockFile> NameLockFile::of(const QByteArray &folder) {
    Registry &r = registry();
    const std::lock_guard<std::mutex> guard(r.mutex);
    std::weak_ptr<NameLockFile> &entry = r.open[folder];
    std::shared_ptr<NameLockFile> file = entry.lock();
    if (!file) {
        file.reset(new NameLockFile(pathIn(folder)));
        entry = file;
        if (r.keepers > 0)
            r.kept.push_back(file);
    }
    return file;
}

KeepNameLockFiles::KeepNameLockFiles() {
    Registry &r = registry();
    const std::lock_guard<std::mutex> guard(r.mutex);
    ++r.keepers;
}

KeepNameLockFiles::~KeepNameLockFiles() {
    Registry &r = registry();
    std::vector<std::shared_ptr<NameLockFile>> closing;
    {
        const std::lock_guard<std::mutex> guard(r.mutex);
        if (--r.keepers == 0)
            closing.swap(r.kept);
        std::erase_if(r.open, [](const auto &entry) { return entry.second.expired(); });
    }
    // Closed here, outside the registry's lock, when no lock holds them.
}

bool NameLockFile::open() {
    // Written to only by its locks: a write lock needs a file open for
    // writing. A file made by another user whom this one may not write
    // counts as a folder where no lock file can be made.
    fd_.reset(::open(path_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644));
    struct stat opened {};
    if (!fd_ || ::fstat(fd_.get(), &opened) != 0) {
        fd_.reset();
        return false;
    }
    device_ = opened.st_dev;
    inode_ = opened.st_ino;
    return true;
}

bool NameLockFile::stillNamed() const {
    struct stat named {};
    return ::lstat(path_.constData(), &named) == 0 && named.st_dev == device_ &&
           named.st_ino == inode_;
}

NameLock::State NameLockFile::lock(std::uint64_t slot) {
    const std::lock_guard<std::mutex> guard(mutex_);
    if (held_.count(slot) != 0)
        return NameLock::State::Busy;
    for (;;) {
        if (!fd_ && !open())
            return errno == EINTR ? NameLock::State::Busy : NameLock::State::Unavailable;
        const int error = setLock(fd_.get(), F_WRLCK, slot, 1);
        if (error != 0)
            return error == EAGAIN || error == EACCES || error == EINTR
                       ? NameLock::State::Busy
                       : NameLock::State::Unavailable;
        if (stillNamed()) {
            held_.insert(slot);
            return NameLock::State::Held;
        }
        // The last user of another process removed the file while this one
        // had it open: a byte of it stands for nothing any more.
        setLock(fd_.get(), F_UNLCK, slot, 1);
        if (!held_.empty()) {
            // Removed by hand under locks this process holds: reopening
            // would let them go.
            return NameLock::State::Unavailable;
        }
        fd_.reset();
    }
}

void NameLockFile::unlock(std::uint64_t slot) {
    const std::lock_guard<std::mutex> guard(mutex_);
    if (held_.erase(slot) != 0)
        setLock(fd_.get(), F_UNLCK, slot, 1);
}

NameLockFile::~NameLockFile() {
    // Removed only while this process holds the whole file, so by nobody
    // else's byte; anyone who opened it meanwhile opens the name again.
    if (fd_ && setLock(fd_.get(), F_WRLCK, 0, 0) == 0 && stillNamed())
        ::unlink(path_.constData());
}

}  // namespace platform
