#pragma once

#include "ZipHandles.h"

#include <cstdint>
#include <map>
#include <string>

namespace zelib {

// Opens the archive read-only through libzip as if some of its bytes were
// others (offset → byte); the file itself is never changed. Used to let
// libzip decrypt WinZip AES entries that it would otherwise refuse (see
// UnzipOperation). 0 or a result code.
int32_t openPatchedArchive(const std::string &path, std::map<uint64_t, uint8_t> patches,
                           ArchiveHandle &archive);

}  // namespace zelib
