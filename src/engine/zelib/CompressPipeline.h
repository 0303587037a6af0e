#pragma once

#include "FileIdentity.h"
#include "MemoryBudget.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct libdeflate_compressor;

namespace zelib {

class Reporter;

// Compresses files with libdeflate on worker threads, in pieces ("chunks")
// of at most the budget's chunk size, in exactly the order in which the
// archive writer will ask for them. Workers run ahead of the writer only as
// far as the compression window allows, so memory stays bounded whatever the
// file sizes. The writer runs on the calling thread and waits in await(),
// which keeps calling back for progress while it waits.
//
// A pipeline "ahead" works for zip operations still to come (see
// CompressAhead.h): it lives across operations, takes files while it runs,
// holds at most a quarter of the budget, and reads without touching the
// files' access times, so that nothing shows it read a file early.
class CompressPipeline {
  public:
    struct Chunk {
        size_t file = 0;
        uint64_t offset = 0;
        uint64_t length = 0;
        bool last = false;  // the last chunk of its file keeps the final-block flag
        // Filled by the worker.
        std::vector<uint8_t> data;
        // The data are the chunk's bytes as read: its file is stored, because
        // its first chunk did not shrink when deflated.
        bool plain = false;
        // While the file's first chunk is still being compressed: the bytes
        // as read, kept beside the deflated data until it is known which
        // the entry needs.
        std::vector<uint8_t> original;
        bool undecided = false;
        uint32_t crc = 0;
        int32_t code = 0;  // result code of a chunk that failed
        enum class State { Waiting, Working, Done, Released } state = State::Waiting;
    };

    CompressPipeline(int level, const MemoryBudget &budget, bool ahead = false);
    ~CompressPipeline();
    CompressPipeline(const CompressPipeline &) = delete;
    CompressPipeline &operator=(const CompressPipeline &) = delete;

    // Queues a file; returns its first chunk's index. Before start(), or at
    // any time in a pipeline ahead.
    size_t addFile(const std::string &path, const FileIdentity &listed);
    // A file is cut in equal pieces of at most the chunk size; from
    // kSplitFrom on in at least two, so that two cores share a file of
    // middling size. The pieces depend on the size alone, never on the
    // machine, so the same file always makes the same archive.
    static constexpr uint64_t kSplitFrom = 1u << 20;
    static size_t chunkCount(uint64_t size, uint64_t chunkSize);
    static uint64_t pieceLength(uint64_t size, size_t count) { return (size + count - 1) / count; }
    size_t chunkCountFor(uint64_t size) const { return chunkCount(size, chunkSize_); }
    // What the chunks depend on besides the files: two pipelines that agree
    // on these make the same chunks of the same file.
    int deflateLevel() const { return level_; }
    uint64_t chunkSize() const { return chunkSize_; }

    // Ahead of the writer, each worker needs room for the chunk it
    // compresses and for a few it has finished while the writer is busy
    // with an earlier one. More only lets the workers race ahead of a writer
    // that is slower than they are (data that deflate does not shrink),
    // which holds memory and gains nothing: the writer sets the pace.
    static constexpr uint64_t kChunksAheadPerWorker = 6;
    void start(unsigned workers);

    // On the calling thread: waits for a chunk, ticking the reporter. Null
    // when the chunk failed (see failure()) or the callback aborted.
    const Chunk *await(size_t index, Reporter &reporter);
    // The writer has copied the chunk: its memory goes back to the window.
    void release(size_t index);
    // Result code of the last failed chunk awaited, 0 if none.
    int32_t failure() const { return failure_; }
    // Waits until every worker waits: all queued chunks are done, or the
    // window is full.
    void waitUntilIdle();
    // The chunks before `index` are wanted no more (an operation that
    // ended early left them): those not compressed yet never will be, the
    // memory of those done goes back to the window, and the records of
    // chunks and files behind go.
    void discardBefore(size_t index);

  private:
    enum class Method { Undecided, Deflate, Store };
    struct SourceFile {
        std::string path;
        FileIdentity listed;
        std::mutex guard;  // the fields below
        int fd = -1;
        size_t unread = 0;  // chunks not read yet
        int32_t code = 0;   // the file failed as a whole
        // Under mutex_: set when the file's first chunk is done.
        Method method = Method::Undecided;
        size_t first = 0, count = 0;
    };

    void work() noexcept;
    void compress(Chunk &chunk, SourceFile &file, Method method, libdeflate_compressor *compressor,
                  std::vector<uint8_t> &input, std::vector<uint8_t> &scratch,
                  std::vector<uint8_t> &output);
    void settle(Chunk &chunk, Method method);
    // Under mutex_: a chunk waits that a worker may take now (moves next_
    // past released chunks).
    bool takeable();
    int32_t read(Chunk &chunk, SourceFile &file, uint8_t *buffer);
    uint64_t cost(const Chunk &chunk) const;

    const int level_;
    // What the workers may hold beyond the writer. An operation's window is
    // narrowed to what its workers can use once their number is known.
    uint64_t window_;
    const uint64_t chunkSize_;
    const bool ahead_;
    // Grown and trimmed at the front under mutex_ (a pipeline ahead does
    // both while it runs); elements keep their addresses, so a reference
    // taken under the lock stays good. Indices count from the first chunk
    // and file ever queued.
    std::deque<SourceFile> files_;  // each holds a mutex
    std::deque<Chunk> chunks_;      // await() hands out pointers
    size_t chunkBase_ = 0, fileBase_ = 0;
    Chunk &chunkAt(size_t index) { return chunks_[index - chunkBase_]; }
    const Chunk &chunkAt(size_t index) const { return chunks_[index - chunkBase_]; }
    SourceFile &fileAt(size_t index) { return files_[index - fileBase_]; }
    size_t chunkEnd() const { return chunkBase_ + chunks_.size(); }
    // Under mutex_: a worker waits while there are chunks to take (ahead,
    // enough of them to be worth a wake-up).
    bool workersWanted() const;

    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable chunkDone_;
    size_t next_ = 0;
    static constexpr size_t kNone = static_cast<size_t>(-1);
    size_t urgent_ = kNone;
    uint64_t inFlight_ = 0;
    bool stopping_ = false;
    int32_t failure_ = 0;
    unsigned idle_ = 0;           // workers waiting for work
    bool writerWaiting_ = false;  // await() waits for a chunk
    std::condition_variable workersIdle_;
    bool idleWaiter_ = false;  // waitUntilIdle() waits
    std::vector<std::thread> workers_;
};

}  // namespace zelib
