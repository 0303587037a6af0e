#pragma once

#include "ZipHandles.h"

#include <sys/stat.h>
#include <cstdint>
#include <string>

namespace zelib {

enum class OpenMode {
    Read,    // StampZipDate
    Check,   // Test, Extract: also compares every local header with the directory
    Update,  // Zip: the archive must exist
    Create   // Zip: the archive is created when it does not exist
};

// Opens the archive for the mode and returns 0 or the result code (100, 110,
// 120, 290...). `info` receives the archive file's status, or st_ino 0 when
// a new archive is being created. `flushNew`: see openWritableArchive.
int32_t openArchive(const std::string &path, OpenMode mode, ArchiveHandle &archive,
                    struct stat &info, bool flushNew = true);

}  // namespace zelib
