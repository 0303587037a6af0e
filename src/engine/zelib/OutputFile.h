#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace zelib {

// An extracted file: written to a temporary name in the target's folder and
// moved to its final name only when complete, so that the final name never
// shows a partial file. Destroying an uncommitted file removes the
// temporary one.
class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // 0 or errno.
    int create(const std::string &target);
    int write(const uint8_t *data, size_t size);
    // Sets mode and modification time, closes and renames. An existing
    // target is replaced only when `replace` is set; otherwise EEXIST.
    int commit(mode_t mode, time_t mtime, bool replace);

  private:
    void discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
};

}  // namespace zelib
