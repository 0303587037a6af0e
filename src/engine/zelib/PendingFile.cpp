#include "PendingFile.h"

#include "TemporaryName.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>

namespace zelib {

namespace {

constexpr int kNameAttempts = 100;

std::string folderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// How a nameless file gets a name: AT_EMPTY_PATH needs a capability that
// ordinary users lack, /proc/self/fd needs /proc. Learnt once per process
// on the first nameless file.
enum class LinkMethod { Unknown, EmptyPath, Proc, None };

int linkWith(LinkMethod method, int fd, const std::string &path) {
    if (method == LinkMethod::EmptyPath)
        return linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                          : errno;
}

std::atomic<LinkMethod> learnt{LinkMethod::Unknown};

// Tries each way on a file of its own, named briefly with a temporary name.
LinkMethod probe(const std::string &folder) {
    const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        return LinkMethod::Unknown;
    LinkMethod found = LinkMethod::None;
    for (const LinkMethod method : {LinkMethod::EmptyPath, LinkMethod::Proc}) {
        const std::string path = folder + "/" + temporaryName("probe", getpid(), randomTag());
        if (linkWith(method, fd, path) == 0) {
            unlink(path.c_str());
            found = method;
            break;
        }
    }
    close(fd);
    return found;
}

// 0 or errno; a file system that cannot flush a folder (EINVAL) has
// nothing to flush.
int syncFolder(const std::string &folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    close(fd);
    return error;
}

}  // namespace

PendingFile::~PendingFile() {
    discard();
}

void PendingFile::discard() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!named_.empty())
        unlink(named_.c_str());
    named_.clear();
}

int PendingFile::create(const std::string &target, mode_t mode) {
    discard();
    target_ = target;
    folder_ = folderOf(target);
    sweepLeftoversOnce(folder_);

    // A folder without O_TMPFILE (FAT, some network file systems) teaches
    // nothing; the next folder may.
    if (learnt.load() == LinkMethod::Unknown) {
        static std::mutex mutex;
        const std::lock_guard<std::mutex> lock(mutex);
        if (learnt.load() == LinkMethod::Unknown)
            learnt.store(probe(folder_));
    }
    if (learnt.load() == LinkMethod::EmptyPath || learnt.load() == LinkMethod::Proc) {
        fd_ = open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (fd_ >= 0)
            return 0;  // locked only if it ever needs a temporary name
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name =
            folder_ + "/" + temporaryName(baseOf(target), getpid(), randomTag());
        fd_ = open(name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            named_ = name;
            flock(fd_, LOCK_EX);
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int PendingFile::linkAs(const std::string &path) const {
    return linkWith(learnt.load(), fd_, path);
}

int PendingFile::nameTemporarily() {
    // Held from before the name exists until the file is closed, so that
    // the next run's sweep never takes it for a leftover.
    flock(fd_, LOCK_EX);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name =
            folder_ + "/" + temporaryName(baseOf(target_), getpid(), randomTag());
        const int error = linkAs(name);
        if (error == 0) {
            named_ = name;
            return 0;
        }
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

int PendingFile::commit(bool replace, bool durable) {
    if (fd_ < 0)
        return EBADF;
    if (durable && fsync(fd_) != 0)
        return errno;
    int error = 0;
    if (named_.empty() && !replace) {
        // A link never replaces: an existing target gives EEXIST.
        error = linkAs(target_);
    } else {
        if (named_.empty())
            error = nameTemporarily();
        if (error == 0 && replace) {
            if (rename(named_.c_str(), target_.c_str()) != 0)
                error = errno;
        } else if (error == 0 && renameat2(AT_FDCWD, named_.c_str(), AT_FDCWD, target_.c_str(),
                                           RENAME_NOREPLACE) != 0) {
            error = errno;
            // File systems without RENAME_NOREPLACE: a hard link fails on an
            // existing name just the same.
            if (error == EINVAL || error == ENOSYS) {
                error = link(named_.c_str(), target_.c_str()) == 0 ? 0 : errno;
                if (error == 0)
                    unlink(named_.c_str());
            }
        }
        if (error == 0)
            named_.clear();
    }
    if (error != 0)
        return error;
    const int fd = fd_;
    fd_ = -1;
    error = close(fd) == 0 ? 0 : errno;
    // The name is in place now; a folder that cannot be flushed still fails
    // the commit, as the name might not survive a power loss.
    if (error == 0 && durable)
        error = syncFolder(folder_);
    return error;
}

}  // namespace zelib
