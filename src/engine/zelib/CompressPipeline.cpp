#include "CompressPipeline.h"

#include "DeflateJoin.h"
#include "FileDescriptor.h"
#include "Reporter.h"

#include <fcntl.h>
#include <libdeflate.h>
#include <unistd.h>
#include <cerrno>
#include <memory>
#include <new>

namespace zelib {

namespace {

constexpr std::chrono::milliseconds kWaitSlice(20);

struct CompressorDeleter {
    void operator()(libdeflate_compressor *compressor) const {
        libdeflate_free_compressor(compressor);
    }
};

// Reads exactly `length` bytes at `offset`; a file that has become shorter
// since it was listed is a read failure.
int readRange(const std::string &path, uint64_t offset, uint64_t length, uint8_t *buffer) {
    const ReadDescriptor file(path);
    if (!file)
        return errno != 0 ? errno : EIO;
    uint64_t done = 0;
    int error = 0;
    while (done < length) {
        const ssize_t n =
            pread(file.get(), buffer + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<uint64_t>(n);
    }
    return error;
}

}  // namespace

CompressPipeline::CompressPipeline(int level, const MemoryBudget &budget)
    : level_(level), window_(budget.compressWindow()), chunkSize_(budget.chunkSize()) {}

CompressPipeline::~CompressPipeline() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread &worker : workers_)
        worker.join();
}

size_t CompressPipeline::chunkCount(uint64_t size, uint64_t chunkSize) {
    return size == 0 ? 1 : static_cast<size_t>((size + chunkSize - 1) / chunkSize);
}

size_t CompressPipeline::addFile(const std::string &path, uint64_t size) {
    const size_t first = chunks_.size();
    const uint32_t file = static_cast<uint32_t>(paths_.size());
    paths_.push_back(path);
    const size_t count = chunkCount(size, chunkSize_);
    for (size_t k = 0; k < count; ++k) {
        Chunk chunk;
        chunk.file = file;
        chunk.offset = k * chunkSize_;
        chunk.length = k + 1 < count ? chunkSize_ : size - k * chunkSize_;
        chunk.last = k + 1 == count;
        chunks_.push_back(std::move(chunk));
    }
    return first;
}

uint64_t CompressPipeline::cost(const Chunk &chunk) const {
    // While a chunk is being compressed it is counted at the most its
    // compressed form can take; once done, at what it really takes.
    return chunk.length + chunk.length / 16 + 1024;
}

void CompressPipeline::start(unsigned workers) {
    if (chunks_.empty())
        return;
    const size_t count = std::min<size_t>(std::max(1u, workers), chunks_.size());
    for (size_t i = 0; i < count; ++i)
        workers_.emplace_back([this] { work(); });
}

void CompressPipeline::work() {
    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(level_));
    // Reused between chunks: only the exact compressed bytes are kept.
    std::vector<uint8_t> input, scratch;
    for (;;) {
        size_t index = 0;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            workAvailable_.wait(lock, [&] {
                if (stopping_)
                    return true;
                if (next_ >= chunks_.size())
                    return false;
                return inFlight_ == 0 || inFlight_ + cost(chunks_[next_]) <= window_ ||
                       (urgent_ != kNone && next_ <= urgent_);
            });
            if (stopping_ || next_ >= chunks_.size())
                return;
            index = next_++;
            inFlight_ += cost(chunks_[index]);
            chunks_[index].state = Chunk::State::Working;
        }
        // Only this worker touches the chunk's results until it is marked done.
        Chunk &chunk = chunks_[index];
        std::vector<uint8_t> output;
        int error = 0;
        uint32_t crc = 0;
        try {
            if (!compressor)
                throw std::bad_alloc();
            input.resize(chunk.length);
            error = readRange(paths_[chunk.file], chunk.offset, chunk.length, input.data());
            if (error == 0) {
                crc = libdeflate_crc32(0, input.data(), input.size());
                const size_t bound =
                    libdeflate_deflate_compress_bound(compressor.get(), input.size());
                if (scratch.size() < bound)
                    scratch.resize(bound);
                const size_t written = libdeflate_deflate_compress(
                    compressor.get(), input.data(), input.size(), scratch.data(), bound);
                output.reserve(written + 8);
                output.assign(scratch.begin(),
                              scratch.begin() + static_cast<std::ptrdiff_t>(written));
                if (written == 0 || (!chunk.last && !makeJoinable(output))) {
                    output.clear();
                    appendStoredBlocks(output, input.data(), input.size());
                    if (chunk.last)
                        output.insert(output.end(), {0x03, 0x00});  // empty final block
                }
            }
        } catch (const std::bad_alloc &) {
            error = ENOMEM;
            output = {};
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            inFlight_ = inFlight_ - cost(chunk) + output.capacity();
            chunk.data = std::move(output);
            chunk.crc = crc;
            chunk.error = error;
            chunk.state = Chunk::State::Done;
        }
        chunkDone_.notify_all();
        workAvailable_.notify_all();
    }
}

const CompressPipeline::Chunk *CompressPipeline::await(size_t index, Reporter &reporter) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (chunks_[index].state == Chunk::State::Waiting && (urgent_ == kNone || urgent_ < index)) {
        // The writer needs this chunk now: it may pass the window, so that a
        // writer asking out of order can never wait for ever.
        urgent_ = index;
        workAvailable_.notify_all();
    }
    while (chunks_[index].state != Chunk::State::Done) {
        chunkDone_.wait_for(lock, kWaitSlice);
        if (chunks_[index].state == Chunk::State::Done)
            break;
        lock.unlock();
        const bool going = reporter.tick();
        lock.lock();
        if (!going)
            return nullptr;
    }
    const Chunk &chunk = chunks_[index];
    if (chunk.error != 0) {
        if (failure_ == 0)
            failure_ = chunk.error;
        return nullptr;
    }
    return &chunk;
}

void CompressPipeline::release(size_t index) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Chunk &chunk = chunks_[index];
        if (chunk.state != Chunk::State::Done)
            return;
        inFlight_ -= chunk.data.capacity();
        std::vector<uint8_t>().swap(chunk.data);
        chunk.state = Chunk::State::Released;
    }
    workAvailable_.notify_all();
}

}  // namespace zelib
