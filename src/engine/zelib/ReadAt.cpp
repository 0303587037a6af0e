#include "ReadAt.h"

#include <unistd.h>
#include <cerrno>

namespace zelib {

int readAt(int fd, uint64_t offset, uint8_t *buffer, uint64_t length) {
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n =
            pread(fd, buffer + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENODATA;
        done += static_cast<uint64_t>(n);
    }
    return 0;
}

}  // namespace zelib
