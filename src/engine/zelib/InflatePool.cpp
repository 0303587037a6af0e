#include "InflatePool.h"

#include "EntryData.h"
#include "OutputFile.h"

#include <libdeflate.h>
#include <zip.h>
#include <new>

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

}  // namespace

void runInflateJob(InflateJob &job, libdeflate_decompressor *decompressor) noexcept {
    static const uint8_t kNothing = 0;
    try {
        ByteBuffer data;
        if (job.inflated)
            data = std::move(job.raw);
        else
            job.code =
                inflateChecked(job.raw, job.method, job.facts.size, job.crc, decompressor, data);
        if (job.code == ZE_OK && job.extract)
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
    slot->cost = job->work ? job->raw.size() + (inflating ? job->facts.size : 0) : 0;
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
