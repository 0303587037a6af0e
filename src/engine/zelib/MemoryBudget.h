#pragma once

#include <algorithm>
#include <cstdint>

namespace zelib {

// How much file data the engine may hold in memory at once. Everything that
// buffers data derives its limit from one number, so peak memory stays well
// under 1.5 GiB whatever the sizes of the files and of the archive's entries:
// the default of 512 MiB leaves room for the libraries' own buffers.
class MemoryBudget {
  public:
    static constexpr uint64_t kDefault = 512ull << 20;

    explicit MemoryBudget(uint64_t total = kDefault)
        : total_(std::max<uint64_t>(total, 64u << 10)) {}

    uint64_t total() const { return total_; }
    // Compressed chunks that the workers may produce ahead of the archive writer.
    uint64_t compressWindow() const { return total_ / 2; }
    // Files compressed ahead for operations still to come; what an operation
    // of its own holds comes on top of it.
    uint64_t aheadWindow() const { return total_ / 4; }
    // Files are compressed in pieces of this size, so that one large file
    // keeps every worker busy and its progress moves.
    uint64_t chunkSize() const { return std::clamp<uint64_t>(total_ / 16, 16u << 10, 4u << 20); }
    // Entries up to this size (compressed and uncompressed) are tested and
    // extracted in memory on the workers; larger ones are streamed.
    uint64_t entryLimit() const { return total_ / 4; }
    // Entry data being decompressed at once.
    uint64_t inflateWindow() const { return total_; }

  private:
    uint64_t total_;
};

}  // namespace zelib
