#pragma once

#include <cstddef>
#include <cstdint>

namespace zelib {

// Part of a file mapped into memory, unmapped when the object goes. Entries
// are inflated from the archive's mapped bytes straight into the mapped
// output file: no buffer of their size is allocated, filled and copied, and
// on a machine whose memory is given back to its host when freed, touching
// fresh buffers costs more than inflating into them.
//
// A mapped file that shrinks under the mapping (another program cut it
// short), or whose pages cannot be read from the disk, raises SIGBUS when
// touched: touch the bytes only inside catchingBusErrors().
class FileMapping {
  public:
    FileMapping() = default;
    ~FileMapping();
    FileMapping(const FileMapping &) = delete;
    FileMapping &operator=(const FileMapping &) = delete;

    // Maps `length` bytes of `fd` from `offset` for reading. 0 or errno.
    int mapForReading(int fd, uint64_t offset, uint64_t length);
    // Gives the empty file `fd` `length` bytes of disk space first, so that
    // writing through the mapping cannot run out of room, and maps them for
    // writing. 0 or errno: EOPNOTSUPP (and the like) where the file system
    // cannot reserve space; ENOSPC, EDQUOT or EFBIG where it has none.
    int mapForWriting(int fd, uint64_t length);
    void unmap();
    // Has the kernel make the pages of [from, from + length) ready for
    // writing now rather than at the first write to each: 0 or errno.
    int prepareForWriting(uint64_t from, uint64_t length);

    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    uint64_t size() const { return size_; }

  private:
    int map(int fd, uint64_t offset, uint64_t length, bool writable);

    void *mapping_ = nullptr;
    size_t mapped_ = 0;
    uint8_t *data_ = nullptr;
    uint64_t size_ = 0;
};

// True when a failure of mapForWriting() means only that this file system
// cannot do it: the bytes are then written the usual way.
bool mappingUnsupported(int error);

// Runs `work(context)`; false when touching mapped bytes raised SIGBUS,
// which ends `work` where it stood instead of ending the process. `work` is
// left by a jump: it may only compute on memory (inflate, copy, checksum)
// and must own nothing that needs a destructor or a lock.
bool catchingBusErrors(void (*work)(void *), void *context);

template <typename Work>
bool catchingBusErrors(Work &work) {
    return catchingBusErrors([](void *context) { (*static_cast<Work *>(context))(); }, &work);
}

}  // namespace zelib
