#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <cstdint>
#include <string>

namespace zelib {

// What tells one state of a file from another: the same file (device and
// inode) with the same size and modification time. Listed when the sources
// are collected and compared again once the file has been read, so that a
// file that grew, shrank, was rewritten or was replaced by another under its
// name while it was compressed is never stored as if it were whole.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    uint64_t size = 0;
    int64_t mtimeSeconds = 0;
    long mtimeNanoseconds = 0;

    static FileIdentity of(const struct stat &info);
    bool operator==(const FileIdentity &) const = default;
};

// When the file's status last changed (ctime): any write, truncation, change
// of permissions or of links moves it, and nobody can set it back. A file
// with the same identity and change time still holds the bytes it held.
struct ChangeTime {
    int64_t seconds = 0;
    long nanoseconds = 0;

    static ChangeTime of(const struct stat &info) {
        return {static_cast<int64_t>(info.st_ctim.tv_sec), info.st_ctim.tv_nsec};
    }
    bool operator==(const ChangeTime &) const = default;
};

// True when the open descriptor is the file as listed. Just after opening
// by the listed name, that also tells the name still stood for it.
bool sameAsListed(int fd, const FileIdentity &listed);
// True when the open descriptor is still the file as listed and `path`
// still names that file.
bool stillAsListed(int fd, const std::string &path, const FileIdentity &listed);

}  // namespace zelib
