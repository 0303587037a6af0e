#include "FileMapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <csignal>
#include <limits>
#include <mutex>

namespace zelib {

namespace {

thread_local sigjmp_buf *tCatching = nullptr;
struct sigaction gEarlierAction {};

void onBusError(int signal, siginfo_t *info, void *context) {
    if (sigjmp_buf *catching = tCatching) {
        tCatching = nullptr;
        siglongjmp(*catching, 1);
    }
    // Not raised by mapped bytes this thread touches: whoever handled the
    // signal before handles it.
    if (gEarlierAction.sa_flags & SA_SIGINFO) {
        gEarlierAction.sa_sigaction(signal, info, context);
    } else if (gEarlierAction.sa_handler != SIG_DFL && gEarlierAction.sa_handler != SIG_IGN) {
        gEarlierAction.sa_handler(signal);
    } else {
        // The faulting access is repeated on return and meets the default.
        sigaction(SIGBUS, &gEarlierAction, nullptr);
    }
}

void installHandler() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &gEarlierAction);
    });
}

}  // namespace

FileMapping::~FileMapping() {
    unmap();
}

void FileMapping::unmap() {
    if (mapping_ != nullptr)
        munmap(mapping_, mapped_);
    mapping_ = nullptr;
    data_ = nullptr;
    mapped_ = 0;
    size_ = 0;
}

int FileMapping::map(int fd, uint64_t offset, uint64_t length, bool writable) {
    unmap();
    const auto page = static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
    const uint64_t start = offset / page * page;
    const uint64_t lead = offset - start;
    if (length == 0 || length > std::numeric_limits<size_t>::max() - lead ||
        start > static_cast<uint64_t>(std::numeric_limits<off_t>::max()))
        return EINVAL;
    const auto span = static_cast<size_t>(lead + length);
    void *mapping = mmap(nullptr, span, writable ? PROT_READ | PROT_WRITE : PROT_READ,
                         writable ? MAP_SHARED : MAP_PRIVATE, fd, static_cast<off_t>(start));
    if (mapping == MAP_FAILED)
        return errno;
    mapping_ = mapping;
    mapped_ = span;
    data_ = static_cast<uint8_t *>(mapping) + lead;
    size_ = length;
    return 0;
}

int FileMapping::mapForReading(int fd, uint64_t offset, uint64_t length) {
    const int error = map(fd, offset, length, false);
    if (error == 0)
        madvise(mapping_, mapped_, MADV_SEQUENTIAL);  // a hint: read ahead, drop behind
    return error;
}

int FileMapping::mapForWriting(int fd, uint64_t length) {
    if (length > static_cast<uint64_t>(std::numeric_limits<off_t>::max()))
        return EFBIG;
    int error = 0;
    do
        error = fallocate(fd, 0, 0, static_cast<off_t>(length)) == 0 ? 0 : errno;
    while (error == EINTR);
    if (error != 0)
        return error;
    return map(fd, 0, length, true);
}

int FileMapping::prepareForWriting(uint64_t from, uint64_t length) {
    const auto page = static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
    const uint64_t begin =
        (static_cast<uint64_t>(data_ - static_cast<uint8_t *>(mapping_)) + std::min(from, size_)) /
        page * page;
    const uint64_t end = std::min<uint64_t>(mapped_, begin + length + page);
    if (begin >= end)
        return 0;
#ifdef MADV_POPULATE_WRITE
    // Older kernels refuse the advice: the pages then fault in as written.
    return madvise(static_cast<uint8_t *>(mapping_) + begin, end - begin, MADV_POPULATE_WRITE) == 0
               ? 0
               : errno;
#else
    return ENOSYS;
#endif
}

bool mappingUnsupported(int error) {
    return error == EOPNOTSUPP || error == ENOSYS || error == ENODEV || error == EINVAL ||
           error == EACCES || error == ENOMEM;
}

bool catchingBusErrors(void (*work)(void *), void *context) {
    installHandler();
    sigjmp_buf catching;
    sigjmp_buf *const outer = tCatching;
    // The mask is saved so that the jump out of the handler unblocks SIGBUS.
    if (sigsetjmp(catching, 1) != 0) {
        tCatching = outer;
        return false;
    }
    tCatching = &catching;
    work(context);
    tCatching = outer;
    return true;
}

}  // namespace zelib
