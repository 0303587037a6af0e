#pragma once

#include "ArchiveLayout.h"
#include "ZipHandles.h"

#include <sys/stat.h>
#include <cstdint>
#include <string>

namespace zelib {

// An archive opened for Test or Extract: libzip's handle (with every local
// header compared to the directory), the file's status when it was opened,
// and where each entry lies, checked so that no two entries share bytes.
struct CheckedArchive {
    ArchiveHandle handle;
    struct stat info {};
    ArchiveLayout layout;
};

// Opens and checks `path`: 0 or the result code, which refuses an archive
// that disagrees with itself before anything is read or written.
int32_t openChecked(const std::string &path, CheckedArchive &archive);

}  // namespace zelib
