#pragma once

#include "ZipArguments.h"

#include <cstdint>

namespace zelib {

class Reporter;

// Zip: adds, freshens or updates the archive's entries from files, or (with
// "-o") gives the archive the time of its newest entry.
//
// The archive is rebuilt by libzip in a temporary file beside it and renamed
// over it only when complete, so "-g" (no temporary file) is ignored. "-b"
// is accepted but the temporary file still goes beside the archive: libzip
// 1.7.3 has no way to put it elsewhere (zip_archive_set_tempdir does
// nothing), and keeping it on the archive's own file system is what makes
// the final rename atomic.
int32_t runZip(const ZipArguments &args, Reporter &reporter);

}  // namespace zelib
