#pragma once

#include "ZipArguments.h"

#include <cstdint>

namespace zelib {

class Reporter;

// Zip: adds, freshens or updates the archive's entries from files, or (with
// "-o") gives the archive the time of its newest entry.
//
// The archive is rebuilt by libzip as a new file beside it (see
// ArchiveFileSource.h) that replaces it only when complete and flushed to
// disk, so "-g" (no temporary file) is ignored and result 0 means the
// archive survives a crash. "-b" is accepted but the new file still goes
// beside the archive: on the archive's own file system the final rename is
// atomic.
int32_t runZip(const ZipArguments &args, Reporter &reporter);

}  // namespace zelib
