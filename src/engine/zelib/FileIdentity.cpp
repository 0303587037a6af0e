#include "FileIdentity.h"

namespace zelib {

FileIdentity FileIdentity::of(const struct stat &info) {
    FileIdentity identity;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = static_cast<uint64_t>(info.st_size);
    identity.mtimeSeconds = static_cast<int64_t>(info.st_mtim.tv_sec);
    identity.mtimeNanoseconds = info.st_mtim.tv_nsec;
    return identity;
}

bool sameAsListed(int fd, const FileIdentity &listed) {
    struct stat open {};
    return fstat(fd, &open) == 0 && FileIdentity::of(open) == listed;
}

bool stillAsListed(int fd, const std::string &path, const FileIdentity &listed) {
    struct stat open {
    }, named{};
    if (fstat(fd, &open) != 0 || FileIdentity::of(open) != listed)
        return false;
    // Renamed over or removed: the descriptor still reads the old file, but
    // the name now stands for something else (or nothing).
    return stat(path.c_str(), &named) == 0 && named.st_dev == open.st_dev &&
           named.st_ino == open.st_ino;
}

}  // namespace zelib
