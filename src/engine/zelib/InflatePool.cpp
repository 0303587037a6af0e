#include "InflatePool.h"

#include "EntryData.h"
#include "FileMapping.h"
#include "OutputFile.h"
#include "ReadAt.h"

#include <sys/stat.h>

#include <libdeflate.h>
#include <zip.h>
#include <cerrno>
#include <cstring>
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

// Where nothing can be mapped, the stored bytes are read into memory.
int32_t readFromArchive(InflateJob &job) {
    job.raw.allocate(job.facts.compressedSize);
    const int error = readAt(job.archiveFd, job.dataOffset, job.raw.data(), job.raw.size());
    return error == 0 ? ZE_OK : error == ENODATA ? ZE_ERR_EOF : ZE_ERR_READ;
}

// Inflates the mapped stored bytes into the mapped output and checks them.
int32_t inflateMapped(const InflateJob &job, const FileMapping &stored, FileMapping &output,
                      libdeflate_decompressor *decompressor) {
    const uint64_t size = job.facts.size;
    bool intact = false;
    auto inflate = [&] {
        if (job.method == ZIP_CM_DEFLATE)
            intact =
                libdeflate_deflate_decompress(decompressor, stored.data(), stored.size(),
                                              output.data(), size, nullptr) == LIBDEFLATE_SUCCESS;
        else if ((intact = stored.size() == size))
            std::memcpy(output.data(), stored.data(), size);
        intact = intact && libdeflate_crc32(0, output.data(), size) == job.crc;
    };
    if (catchingBusErrors(inflate))
        return intact ? ZE_OK : ZE_ERR_INCOMPLETE;
    // A page that could not be read or written: the archive cut short by
    // another program, or a failing disk.
    struct stat now {};
    if (fstat(job.archiveFd, &now) == 0 &&
        static_cast<uint64_t>(now.st_size) < job.dataOffset + job.facts.compressedSize)
        return ZE_ERR_EOF;
    return ZE_ERR_READ;
}

int32_t extractMapped(InflateJob &job, libdeflate_decompressor *decompressor) {
    OutputFile file;
    if (file.create(job.target) != 0)
        return ZE_ERR_SKIPPED;
    FileMapping stored, output;
    const int error = file.mapForWriting(job.facts.size, output);
    if (error != 0 && !mappingUnsupported(error))
        return ZE_ERR_SKIPPED;  // no room for the file
    if (error != 0 ||
        stored.mapForReading(job.archiveFd, job.dataOffset, job.facts.compressedSize) != 0) {
        output.unmap();
        ByteBuffer data;
        int32_t code = readFromArchive(job);
        if (code == ZE_OK)
            code = inflateChecked(job.raw, job.method, job.facts.size, job.crc, decompressor, data);
        if (code == ZE_OK && file.write(data.data(), job.facts.size) != 0)
            code = ZE_ERR_SKIPPED;
        if (code != ZE_OK)
            return code;
    } else if (const int32_t code = inflateMapped(job, stored, output, decompressor)) {
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
            job.code = extractMapped(job, decompressor);
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
