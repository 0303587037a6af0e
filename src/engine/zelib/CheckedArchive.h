#pragma once

#include "ArchiveLayout.h"
#include "ZipHandles.h"
#include "platform/posix/FileDescriptor.h"

#include <sys/stat.h>
#include <cstdint>
#include <string>

namespace zelib {

// An archive opened for Test or Extract: libzip's handle (with every local
// header compared to the directory), the file's status when it was opened,
// and where each entry lies, checked so that no two entries share bytes.
// `file` is the archive opened once more, for reading entries' bytes where
// the layout puts them; it is left empty when it is not the file libzip
// opened (the name was given to another file in between).
struct CheckedArchive {
    ArchiveHandle handle;
    struct stat info {};
    ArchiveLayout layout;
    posix::FileDescriptor file;
};

// Opens and checks `path`: 0 or the result code, which refuses an archive
// that disagrees with itself before anything is read or written.
int32_t openChecked(const std::string &path, CheckedArchive &archive);

}  // namespace zelib
