#include "InflatePool.h"

#include "EntryData.h"
#include "FileMapping.h"
#include "OutputFile.h"
#include "StoredBytes.h"

#include <libdeflate.h>
#include <zip.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <new>
#include <thread>

namespace zelib {

namespace {

constexpr std::chrono::milliseconds kWaitSlice(20);

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor *decompressor) const {
        libdeflate_free_decompressor(decompressor);
    }
};

int32_t writeFile(const InflateJob &job, const uint8_t *data, uint64_t size) {
    OutputFile file;
    if (file.create(job.target) != 0 || file.write(data, size) != 0 ||
        file.commit(job.mode, job.facts.mtime, job.replace) != 0)
        return ZE_ERR_SKIPPED;
    return ZE_OK;
}

// Has the output's pages made ready on another core while the inflater
// fills them from the start: for a large entry, providing the pages costs
// the kernel about half as much as inflating into them. Where the inflater
// overtakes, it makes its pages ready itself.
class PagesAhead {
  public:
    explicit PagesAhead(FileMapping &output) {
        if (output.size() >= kFrom)
            thread_ = std::thread([this, &output] {
                for (uint64_t at = 0; at < output.size() && !stop_; at += kStep)
                    if (output.prepareForWriting(at, kStep) != 0)
                        break;
            });
    }
    ~PagesAhead() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    PagesAhead(const PagesAhead &) = delete;
    PagesAhead &operator=(const PagesAhead &) = delete;

  private:
    static constexpr uint64_t kFrom = uint64_t{4} << 20;
    static constexpr uint64_t kStep = uint64_t{2} << 20;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Extracts or tests an entry whose stored bytes are taken in place from the
// archive file; an extraction inflates them straight into the mapped output
// file where the file system allows.
int32_t runInPlace(InflateJob &job, libdeflate_decompressor *decompressor) {
    StoredBytes stored;
    if (const int32_t code = stored.load(job.archiveFd, job.dataOffset, job.facts.compressedSize))
        return code;
    const uint64_t size = job.facts.size;
    if (!job.extract) {
        ByteBuffer data(size);
        return stored.inflateInto(job.method, size, job.crc, decompressor, data.data());
    }
    OutputFile file;
    if (file.create(job.target) != 0)
        return ZE_ERR_SKIPPED;
    FileMapping output;
    if (const int error = file.mapForWriting(size, output)) {
        if (!mappingUnsupported(error))
            return ZE_ERR_SKIPPED;  // no room for the file
        ByteBuffer data(size);
        if (const int32_t code =
                stored.inflateInto(job.method, size, job.crc, decompressor, data.data()))
            return code;
        if (file.write(data.data(), size) != 0)
            return ZE_ERR_SKIPPED;
    } else {
        PagesAhead pages(output);
        if (const int32_t code =
                stored.inflateInto(job.method, size, job.crc, decompressor, output.data()))
            return code;
    }
    // The pages are in the file's cache; the mapping goes before the file
    // gets its times and name.
    output.unmap();
    return file.commit(job.mode, job.facts.mtime, job.replace) == 0 ? ZE_OK : ZE_ERR_SKIPPED;
}

}  // namespace

void runInflateJob(InflateJob &job, libdeflate_decompressor *decompressor) noexcept {
    static const uint8_t kNothing = 0;
    try {
        ByteBuffer data;
        if (job.archiveFd >= 0)
            job.code = runInPlace(job, decompressor);
        else if (job.inflated)
            data = std::move(job.raw);
        else
            job.code =
                inflateChecked(job.raw, job.method, job.facts.size, job.crc, decompressor, data);
        if (job.code == ZE_OK && job.extract && job.archiveFd < 0)
            job.code = writeFile(job, data.empty() ? &kNothing : data.data(), job.facts.size);
    } catch (const std::bad_alloc &) {
        job.code = ZE_ERR_MEMORY;
    } catch (...) {
        // Runs on a worker thread: nothing may leave it.
        job.code = ZE_ERR_INTERNAL;
    }
    job.raw.release();
}

InflatePool::InflatePool(uint64_t window, unsigned workers)
    : window_(window), maxWorkers_(std::max(1u, workers)) {}

InflatePool::~InflatePool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread &worker : workers_)
        worker.join();
}

bool InflatePool::submit(std::unique_ptr<InflateJob> job, Reporter &reporter) {
    auto slot = std::make_shared<Slot>();
    const bool inflating = job->method == ZIP_CM_DEFLATE && !job->inflated;
    // A job that takes its stored bytes in place may have to read them into
    // memory all the same, and has its data in memory when testing.
    const uint64_t cost = job->archiveFd >= 0 ? job->facts.compressedSize + job->facts.size
                                              : job->raw.size() + (inflating ? job->facts.size : 0);
    slot->cost = job->work ? cost : 0;
    slot->done = !job->work;
    slot->job = std::move(job);

    std::unique_lock<std::mutex> lock(mutex_);
    while (slot->cost > 0 && inFlight_ > 0 && inFlight_ + slot->cost > window_) {
        jobDone_.wait_for(lock, kWaitSlice);
        lock.unlock();
        const bool going = reporter.tick();
        lock.lock();
        if (!going)
            return false;
    }
    order_.push_back(slot);
    if (!slot->done) {
        inFlight_ += slot->cost;
        waiting_.push_back(slot);
        if (workers_.size() < maxWorkers_)
            workers_.emplace_back([this] { work(); });
        workAvailable_.notify_one();
    }
    return true;
}

std::unique_ptr<InflateJob> InflatePool::takeFinished(bool wait, Reporter &reporter) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (order_.empty())
        return nullptr;
    while (!order_.front()->done) {
        if (!wait)
            return nullptr;
        jobDone_.wait_for(lock, kWaitSlice);
        if (order_.front()->done)
            break;
        lock.unlock();
        const bool going = reporter.tick();
        lock.lock();
        if (!going)
            return nullptr;
    }
    std::unique_ptr<InflateJob> job = std::move(order_.front()->job);
    order_.pop_front();
    return job;
}

void InflatePool::work() noexcept {
    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(
        libdeflate_alloc_decompressor());
    for (;;) {
        std::shared_ptr<Slot> slot;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            workAvailable_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
            if (stopping_)
                return;
            slot = waiting_.front();
            waiting_.pop_front();
        }
        if (decompressor)
            runInflateJob(*slot->job, decompressor.get());
        else
            slot->job->code = ZE_ERR_MEMORY;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            inFlight_ -= slot->cost;
            slot->done = true;
        }
        jobDone_.notify_all();
    }
}

}  // namespace zelib
