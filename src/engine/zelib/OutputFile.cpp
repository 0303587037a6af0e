#include "OutputFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace zelib {

int OutputFile::create(const std::string &target) {
    return file_.create(target, 0600);
}

int OutputFile::write(const uint8_t *data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(file_.fd(), data, size);
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
    if (fchmod(file_.fd(), mode) != 0)
        return errno;
    const struct timespec times[2] = {{0, UTIME_NOW}, {mtime, 0}};
    if (futimens(file_.fd(), times) != 0)
        return errno;
    // Extracted files are not flushed one by one: that would cost more than
    // the extraction itself.
    return file_.commit(replace, false);
}

}  // namespace zelib
