#pragma once

#include "ArchiveLayout.h"
#include "ByteBuffer.h"
#include "Reporter.h"
#include "platform/posix/FileDescriptor.h"

#include <sys/types.h>
#include <zip.h>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct libdeflate_decompressor;

namespace zelib {

// Entries from this size on are read in place from the archive file, and
// extracted straight into the output file, through mappings (see
// FileMapping.h) rather than through buffers of their size.
constexpr uint64_t kMappedFrom = uint64_t{1} << 20;

// Whether the entry `stat` describes, lying where `span` says, is read in
// place from the archive open as `file`: large enough, with a descriptor
// that is the archive libzip read, and a layout that agrees on its size.
inline bool readsInPlace(const posix::FileDescriptor &file, const EntrySpan &span,
                         const zip_stat_t &stat) {
    return stat.size >= kMappedFrom && file && span.dataEnd - span.dataBegin == stat.comp_size;
}

// One entry on its way through Test or Extract. Entries small enough are read
// raw on the calling thread and handed to a worker, which decompresses them
// with libdeflate, checks size and CRC, and (when extracting) writes the file.
struct InflateJob {
    // Work for a worker; no work when `raw` is unused (a job already decided).
    bool work = false;
    ByteBuffer raw;
    // `raw` already holds the entry's data, inflated and checked ahead.
    bool inflated = false;
    // When set, `raw` stays unused: the worker takes the entry's stored bytes
    // in place, at `dataOffset` in the archive open as `archiveFd` (which
    // outlives the job), and an extraction inflates them straight into the
    // mapped output file.
    int archiveFd = -1;
    uint64_t dataOffset = 0;
    uint16_t method = 0;  // ZIP_CM_STORE or ZIP_CM_DEFLATE
    uint32_t crc = 0;
    bool extract = false;
    std::string target;
    bool replace = false;
    mode_t mode = 0644;

    // What the calling thread reports when the job's turn comes.
    EntryFacts facts;
    int32_t event = 0;  // 50 or 60 on success, 0 for none
    bool eventOnFailure = false;
    uint8_t skipReason = 0;   // 1060 notice, 0 for none
    uint64_t progressed = 0;  // bytes already counted in the progress
    int32_t code = 0;         // result
};

// Runs jobs on worker threads and gives them back in the order they came,
// so that the events keep the archive's order. Jobs in flight never hold
// more than the window (one larger job may run alone).
class InflatePool {
  public:
    InflatePool(uint64_t window, unsigned workers);
    ~InflatePool();
    InflatePool(const InflatePool &) = delete;
    InflatePool &operator=(const InflatePool &) = delete;

    // Queues a job, waiting (and ticking) while the window is full. False
    // when the callback aborted.
    bool submit(std::unique_ptr<InflateJob> job, Reporter &reporter);
    // The oldest job once it is finished; null when there is none or it is
    // still running (and `wait` is not set), or when the callback aborted.
    std::unique_ptr<InflateJob> takeFinished(bool wait, Reporter &reporter);

  private:
    struct Slot {
        std::unique_ptr<InflateJob> job;
        uint64_t cost = 0;
        bool done = false;
    };
    void work() noexcept;

    const uint64_t window_;
    const unsigned maxWorkers_;
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable jobDone_;
    std::deque<std::shared_ptr<Slot>> order_;
    std::deque<std::shared_ptr<Slot>> waiting_;
    uint64_t inFlight_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

// Decompresses and checks one job's data (unless that was done ahead), and
// writes it when extracting.
void runInflateJob(InflateJob &job, libdeflate_decompressor *decompressor) noexcept;

}  // namespace zelib
