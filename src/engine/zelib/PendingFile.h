#pragma once

#include <sys/types.h>
#include <string>

namespace zelib {

// A new file that takes its final name only when complete. Where the file
// system allows, it has no name at all until then (O_TMPFILE), so a run that
// is killed leaves nothing behind; elsewhere it has a temporary name (see
// TemporaryName.h) and stays locked while its maker lives, so that the next
// run in the folder recognises a leftover and removes it. Destroying an
// uncommitted file removes it.
class PendingFile {
  public:
    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // Opens the new file in `target`'s folder with the permissions `mode`
    // (less the umask). 0 or errno.
    int create(const std::string &target, mode_t mode);
    int fd() const { return fd_; }

    // Closes the file and gives it the target's name. An existing target is
    // replaced only when `replace` is set; otherwise EEXIST. With `durable`
    // the file's bytes are on disk before it takes the name, and the folder's
    // new entry is on disk before commit returns. 0 or errno; on failure the
    // target is as it was, except when only the folder could not be flushed.
    int commit(bool replace, bool durable);

    // Closes and removes the file.
    void discard();

  private:
    int linkAs(const std::string &path) const;
    int nameTemporarily();

    std::string target_;
    std::string folder_;
    std::string named_;  // the temporary name while it has one
    int fd_ = -1;
};

}  // namespace zelib
