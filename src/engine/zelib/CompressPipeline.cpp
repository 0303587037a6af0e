#include "CompressPipeline.h"

#include "DeflateJoin.h"
#include "LevelMap.h"
#include "ReadAt.h"
#include "Reporter.h"
#include "engine/ZeAbi.h"

#include <fcntl.h>
#include <libdeflate.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

namespace zelib {

namespace {

constexpr std::chrono::milliseconds kWaitSlice(20);

// Work ahead for a batch of small files comes one file per archive written:
// a worker woken for each would cost the writer a wake-up per archive. It is
// woken once this much waits, compresses it in one go and is still done long
// before the writer gets there (a writer that does get there first wakes it
// itself).
constexpr size_t kAheadWakeChunks = 8;
constexpr uint64_t kAheadWakeBytes = 256u << 10;

struct CompressorDeleter {
    void operator()(libdeflate_compressor *compressor) const {
        libdeflate_free_compressor(compressor);
    }
};

// Reads exactly `length` bytes at `offset`; a file that has become shorter
// since it was listed is a read failure.
int32_t readRange(int fd, uint64_t offset, uint64_t length, uint8_t *buffer) {
    const int error = readAt(fd, offset, buffer, length);
    if (error == 0)
        return ZE_OK;
    return error == ENOMEM ? ZE_ERR_MEMORY : ZE_ERR_READ;
}

}  // namespace

CompressPipeline::CompressPipeline(int level, const MemoryBudget &budget, bool ahead)
    : level_(libdeflateLevel(level)),
      window_(ahead ? budget.aheadWindow() : budget.compressWindow()),
      chunkSize_(budget.chunkSize()),
      ahead_(ahead) {}

CompressPipeline::~CompressPipeline() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread &worker : workers_)
        worker.join();
    // Files left half read by an abort.
    for (SourceFile &file : files_)
        if (file.fd >= 0)
            ::close(file.fd);
}

size_t CompressPipeline::chunkCount(uint64_t size, uint64_t chunkSize) {
    if (size == 0)
        return 1;
    const size_t count = static_cast<size_t>((size + chunkSize - 1) / chunkSize);
    return std::max<size_t>(count, size >= kSplitFrom ? 2 : 1);
}

size_t CompressPipeline::addFile(const std::string &path, const FileIdentity &listed) {
    std::unique_lock<std::mutex> lock(mutex_);
    const size_t first = chunkBase_ + chunks_.size();
    const size_t file = fileBase_ + files_.size();
    SourceFile &source = files_.emplace_back();
    source.path = path;
    source.listed = listed;
    const uint64_t size = listed.size;
    const size_t count = chunkCount(size, chunkSize_);
    source.unread = count;
    source.first = first;
    source.count = count;
    const uint64_t piece = pieceLength(size, count);
    for (size_t k = 0; k < count; ++k) {
        Chunk chunk;
        chunk.file = file;
        chunk.offset = k * piece;
        chunk.length = k + 1 < count ? piece : size - k * piece;
        chunk.last = k + 1 == count;
        chunks_.push_back(std::move(chunk));
    }
    const bool wake = workersWanted();
    lock.unlock();
    // A small file is one chunk: one worker takes it, the others sleep on.
    if (wake && count == 1)
        workAvailable_.notify_one();
    else if (wake)
        workAvailable_.notify_all();
    return first;
}

uint64_t CompressPipeline::cost(const Chunk &chunk) const {
    // While a chunk is being compressed it is counted at the most its
    // compressed form can take, plus the bytes as read that an undecided
    // file keeps; once done, at what it really takes.
    return 2 * chunk.length + chunk.length / 16 + 1024;
}

void CompressPipeline::start(unsigned workers) {
    if (chunks_.empty() || !workers_.empty())
        return;
    const size_t count =
        ahead_ ? std::max(1u, workers) : std::min<size_t>(std::max(1u, workers), chunks_.size());
    if (!ahead_)
        window_ = std::min(window_, kChunksAheadPerWorker * count * chunkSize_);
    for (size_t i = 0; i < count; ++i)
        workers_.emplace_back([this] { work(); });
}

int32_t CompressPipeline::read(Chunk &chunk, SourceFile &file, uint8_t *buffer) {
    int fd = -1;
    {
        std::lock_guard<std::mutex> lock(file.guard);
        if (file.fd < 0 && file.code == ZE_OK) {
            // Only the owner (or a privileged user) may spare the access
            // time; anyone else reads as usual.
            if (ahead_)
                file.fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC | O_NOATIME);
            if (file.fd < 0)
                file.fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
            if (file.fd < 0)
                file.code = errno == ENOMEM ? ZE_ERR_MEMORY : ZE_ERR_READ;
            else if (!sameAsListed(file.fd, file.listed))
                file.code = ZE_ERR_READ;  // replaced or changed since it was listed
        }
        fd = file.code == ZE_OK ? file.fd : -1;
    }
    // The descriptor stays open until every chunk of the file has been read.
    const int32_t code = fd >= 0 ? readRange(fd, chunk.offset, chunk.length, buffer) : ZE_OK;
    std::lock_guard<std::mutex> lock(file.guard);
    if (--file.unread == 0 && file.fd >= 0) {
        if (file.code == ZE_OK && !stillAsListed(file.fd, file.path, file.listed))
            file.code = ZE_ERR_READ;
        ::close(file.fd);
        file.fd = -1;
    }
    return fd >= 0 ? code : file.code;
}

void CompressPipeline::compress(Chunk &chunk, SourceFile &file, Method method,
                                libdeflate_compressor *compressor, std::vector<uint8_t> &input,
                                std::vector<uint8_t> &scratch, std::vector<uint8_t> &output) {
    input.resize(chunk.length);
    chunk.code = read(chunk, file, input.data());
    if (chunk.code != ZE_OK)
        return;
    chunk.crc = libdeflate_crc32(0, input.data(), input.size());
    if (method == Method::Store) {
        // An entry that does not shrink costs no further compression.
        output.assign(input.begin(), input.end());
        chunk.plain = true;
        return;
    }
    const size_t bound = libdeflate_deflate_compress_bound(compressor, input.size());
    if (scratch.size() < bound)
        scratch.resize(bound);
    const size_t written =
        libdeflate_deflate_compress(compressor, input.data(), input.size(), scratch.data(), bound);
    output.reserve(written + 8);
    output.assign(scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(written));
    const bool deflated = written != 0 && (chunk.last || makeJoinable(output));
    if (chunk.offset == 0 && (!deflated || output.size() >= input.size())) {
        // The first chunk decides: data that deflate does not shrink are
        // stored, as zip does, and cost neither bytes nor time.
        output.assign(input.begin(), input.end());
        chunk.plain = true;
        return;
    }
    if (!deflated) {
        output.clear();
        appendStoredBlocks(output, input.data(), input.size());
        if (chunk.last)
            output.insert(output.end(), {0x03, 0x00});  // empty final block
    }
    if (method == Method::Undecided && chunk.offset != 0) {
        chunk.original.assign(input.begin(), input.end());
        chunk.undecided = true;
    }
}

void CompressPipeline::settle(Chunk &chunk, Method method) {
    // Under mutex_: keeps the form the entry needs once its method is known.
    if (!chunk.undecided || method == Method::Undecided)
        return;
    if (method == Method::Store) {
        inFlight_ -= chunk.data.capacity();
        chunk.data.swap(chunk.original);
        chunk.plain = true;
    } else {
        inFlight_ -= chunk.original.capacity();
    }
    std::vector<uint8_t>().swap(chunk.original);
    chunk.undecided = false;
}

void CompressPipeline::work() noexcept {
    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(level_));
    // Reused between chunks: only the exact compressed bytes are kept.
    std::vector<uint8_t> input, scratch;
    for (;;) {
        Chunk *taken = nullptr;
        SourceFile *source = nullptr;
        Method method = Method::Undecided;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            ++idle_;
            if (idleWaiter_)
                workersIdle_.notify_all();
            workAvailable_.wait(lock, [&] { return stopping_ || takeable(); });
            --idle_;
            if (stopping_ || next_ >= chunkEnd())
                return;
            taken = &chunkAt(next_++);
            inFlight_ += cost(*taken);
            taken->state = Chunk::State::Working;
            source = &fileAt(taken->file);
            method = source->method;
        }
        // Only this worker touches the chunk's results until it is marked done.
        Chunk &chunk = *taken;
        std::vector<uint8_t> output;
        try {
            if (!compressor)
                throw std::bad_alloc();
            compress(chunk, *source, method, compressor.get(), input, scratch, output);
        } catch (const std::bad_alloc &) {
            chunk.code = ZE_ERR_MEMORY;
        } catch (...) {
            // Nothing may leave a worker thread: it would end the process.
            chunk.code = ZE_ERR_INTERNAL;
        }
        if (chunk.code != ZE_OK) {
            std::vector<uint8_t>().swap(output);
            std::vector<uint8_t>().swap(chunk.original);
            chunk.undecided = false;
        }
        bool wakeWriter = false, wakeWorkers = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            inFlight_ = inFlight_ - cost(chunk) + output.capacity() + chunk.original.capacity();
            chunk.data = std::move(output);
            chunk.state = Chunk::State::Done;
            SourceFile &file = *source;
            if (chunk.offset == 0 && chunk.code == ZE_OK) {
                file.method = chunk.plain ? Method::Store : Method::Deflate;
                for (size_t k = file.first + 1; k < file.first + file.count; ++k)
                    if (chunkAt(k).state == Chunk::State::Done)
                        settle(chunkAt(k), file.method);
            }
            settle(chunk, file.method);
            wakeWriter = writerWaiting_;
            wakeWorkers = workersWanted();
        }
        // Wake-ups nobody waits for cost more than compressing a small file.
        if (wakeWriter)
            chunkDone_.notify_all();
        if (wakeWorkers)
            workAvailable_.notify_all();
    }
}

bool CompressPipeline::workersWanted() const {
    if (idle_ == 0 || next_ >= chunkEnd())
        return false;
    if (!ahead_)
        return true;
    uint64_t bytes = 0;
    size_t chunks = 0;
    for (size_t k = std::max(next_, chunkBase_); k < chunkEnd(); ++k) {
        if (chunkAt(k).state == Chunk::State::Waiting) {
            bytes += chunkAt(k).length;
            ++chunks;
        }
    }
    return chunks >= kAheadWakeChunks || bytes >= kAheadWakeBytes;
}

bool CompressPipeline::takeable() {
    next_ = std::max(next_, chunkBase_);
    while (next_ < chunkEnd() && chunkAt(next_).state == Chunk::State::Released)
        ++next_;
    if (next_ >= chunkEnd())
        return false;
    return inFlight_ == 0 || inFlight_ + cost(chunkAt(next_)) <= window_ ||
           (urgent_ != kNone && next_ <= urgent_);
}

void CompressPipeline::waitUntilIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (workers_.empty())
        return;
    idleWaiter_ = true;
    // Work that was let wait for company is wanted now.
    workAvailable_.notify_all();
    workersIdle_.wait(lock, [&] { return stopping_ || (idle_ == workers_.size() && !takeable()); });
    idleWaiter_ = false;
}

const CompressPipeline::Chunk *CompressPipeline::await(size_t index, Reporter &reporter) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (chunkAt(index).state == Chunk::State::Waiting && (urgent_ == kNone || urgent_ < index)) {
        // The writer needs this chunk now: it may pass the window, so that a
        // writer asking out of order can never wait for ever.
        urgent_ = index;
        workAvailable_.notify_all();
    }
    while (chunkAt(index).state != Chunk::State::Done) {
        writerWaiting_ = true;
        chunkDone_.wait_for(lock, kWaitSlice);
        writerWaiting_ = false;
        if (chunkAt(index).state == Chunk::State::Done)
            break;
        lock.unlock();
        const bool going = reporter.tick();
        lock.lock();
        if (!going)
            return nullptr;
    }
    const Chunk &chunk = chunkAt(index);
    int32_t code = chunk.code;
    if (code == ZE_OK && chunk.last) {
        // Every chunk of the file is done by now, so its final check has run.
        SourceFile &file = fileAt(chunk.file);
        std::lock_guard<std::mutex> fileLock(file.guard);
        code = file.code;
    }
    if (code != ZE_OK) {
        failure_ = code;
        return nullptr;
    }
    return &chunk;
}

void CompressPipeline::discardBefore(size_t index) {
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (size_t k = chunkBase_; k < index && k < chunkEnd(); ++k) {
            Chunk &chunk = chunkAt(k);
            if (chunk.state == Chunk::State::Done)
                inFlight_ -= chunk.data.capacity() + chunk.original.capacity();
            if (chunk.state == Chunk::State::Done || chunk.state == Chunk::State::Waiting) {
                std::vector<uint8_t>().swap(chunk.data);
                std::vector<uint8_t>().swap(chunk.original);
                chunk.state = Chunk::State::Released;
            }
        }
        // A pipeline ahead lives for a whole batch: what lies behind goes,
        // so that its memory does not grow with the number of files. A chunk
        // still being compressed holds the trimming back until a later call;
        // a file goes with its last chunk, when no worker can be reading it.
        while (chunkBase_ < index && !chunks_.empty() &&
               chunks_.front().state == Chunk::State::Released) {
            chunks_.pop_front();
            ++chunkBase_;
        }
        while (!files_.empty() && files_.front().first + files_.front().count <= chunkBase_) {
            if (files_.front().fd >= 0)
                ::close(files_.front().fd);
            files_.pop_front();
            ++fileBase_;
        }
        wake = workersWanted();
    }
    if (wake)
        workAvailable_.notify_all();
}

void CompressPipeline::release(size_t index) {
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Chunk &chunk = chunkAt(index);
        if (chunk.state != Chunk::State::Done)
            return;
        inFlight_ -= chunk.data.capacity() + chunk.original.capacity();
        std::vector<uint8_t>().swap(chunk.data);
        std::vector<uint8_t>().swap(chunk.original);
        chunk.state = Chunk::State::Released;
        wake = workersWanted();
    }
    if (wake)
        workAvailable_.notify_all();
}

}  // namespace zelib
