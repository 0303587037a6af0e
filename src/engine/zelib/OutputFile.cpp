#include "OutputFile.h"

#include "EntryNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace zelib {

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        unlink(temporary_.c_str());
    temporary_.clear();
}

int OutputFile::create(const std::string &target) {
    discard();
    target_ = target;
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : target.substr(0, slash);
    std::string pattern = folder + "/.ze-extract-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0)
        return errno;
    temporary_ = name.data();
    return 0;
}

int OutputFile::write(const uint8_t *data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
}

int OutputFile::commit(mode_t mode, time_t mtime, bool replace) {
    if (fchmod(fd_, mode) != 0)
        return errno;
    const struct timespec times[2] = {{0, UTIME_NOW}, {mtime, 0}};
    if (futimens(fd_, times) != 0)
        return errno;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return errno;
    if (replace) {
        if (rename(temporary_.c_str(), target_.c_str()) != 0)
            return errno;
    } else if (renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(),
                         RENAME_NOREPLACE) != 0) {
        // File systems without RENAME_NOREPLACE: a hard link fails on an
        // existing name just the same.
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        if (link(temporary_.c_str(), target_.c_str()) != 0)
            return errno;
        unlink(temporary_.c_str());
    }
    temporary_.clear();
    return 0;
}

}  // namespace zelib
