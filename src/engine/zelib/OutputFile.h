#pragma once

#include "FileMapping.h"
#include "PendingFile.h"

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace zelib {

// An extracted file: written as a pending file in the target's folder and
// given its final name only when complete, so that the final name never
// shows a partial file. Destroying an uncommitted file removes it.
class OutputFile {
  public:
    // 0 or errno.
    int create(const std::string &target);
    int write(const uint8_t *data, size_t size);
    // Sizes the new file to `size` bytes on disk and maps them for writing:
    // 0 or errno (see FileMapping::mapForWriting).
    int mapForWriting(uint64_t size, FileMapping &mapping) {
        return mapping.mapForWriting(file_.fd(), size);
    }
    // Sets mode and modification time, closes and names the file. An
    // existing target is replaced only when `replace` is set; otherwise
    // EEXIST.
    int commit(mode_t mode, time_t mtime, bool replace);

  private:
    PendingFile file_;
};

}  // namespace zelib
