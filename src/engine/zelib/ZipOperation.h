#pragma once

#include "SourceCollector.h"
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
// archive survives a crash; only a new archive made with "--no-flush" may
// still be on its way to the disk. "-b" is accepted but the new file still goes
// beside the archive: on the archive's own file system the final rename is
// atomic.
int32_t runZip(const ZipArguments &args, Reporter &reporter);

// The files and folders `args` names, as Zip collects them; an add collects
// the same whether or not the archive exists yet (`archive` is left out).
SourceRequest sourceRequestFor(const ZipArguments &args, const struct stat &archive);
// True when Zip deflates the item (a file, not empty, not stored by level
// or suffix).
bool deflatesEntry(const ZipArguments &args, const SourceItem &item);

}  // namespace zelib
