#include "UnzipAhead.h"

#include "EntryData.h"
#include "InflatePool.h"
#include "ResultCodes.h"
#include "StoredBytes.h"
#include "WorkerCount.h"

#include <libdeflate.h>
#include <sys/stat.h>
#include <algorithm>
#include <new>

namespace zelib {

namespace {

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor *decompressor) const {
        libdeflate_free_decompressor(decompressor);
    }
};

bool sameFile(const struct stat &a, const struct stat &b) {
    return FileIdentity::of(a) == FileIdentity::of(b) && ChangeTime::of(a) == ChangeTime::of(b);
}

// An entry read ahead: plain data (stored or deflated, not encrypted) with a
// CRC to check, small enough, and not longer than the archive itself.
bool readableAhead(const zip_stat_t &stat, uint64_t archiveSize) {
    const bool encrypted =
        (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
    return !encrypted && (stat.valid & ZIP_STAT_CRC) && (stat.valid & ZIP_STAT_SIZE) &&
           (stat.valid & ZIP_STAT_COMP_SIZE) &&
           (stat.comp_method == ZIP_CM_STORE || stat.comp_method == ZIP_CM_DEFLATE) &&
           stat.size <= UnzipAhead::kEntryLimit && stat.comp_size <= UnzipAhead::kEntryLimit &&
           stat.comp_size <= archiveSize;
}

}  // namespace

UnzipAhead &UnzipAhead::shared() {
    // Destroyed when the library goes, which stops and joins its workers,
    // and before the store that the buffers it holds go back to.
    ByteBuffer::setUpStore();
    static UnzipAhead ahead;
    return ahead;
}

UnzipAhead::~UnzipAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        dropLocked();
    }
    workAvailable_.notify_all();
    for (std::thread &worker : workers_)
        worker.join();
}

void UnzipAhead::forgetLocked(Expected &item) {
    held_ -= item.bytes;
    item.bytes = 0;
    item.dropped = true;
}

void UnzipAhead::dropLocked() {
    for (const Item &item : expected_)
        forgetLocked(*item);
    expected_.clear();
}

void UnzipAhead::drop() {
    std::deque<Item> gone;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Item &item : expected_)
            forgetLocked(*item);
        gone.swap(expected_);
    }
    workAvailable_.notify_all();
    readDone_.notify_all();
    // The archives read go here, outside the lock, and with them the pages
    // kept for the batch.
    gone.clear();
    ByteBuffer::trimStore();
}

bool UnzipAhead::expectsNothing() {
    std::lock_guard<std::mutex> lock(mutex_);
    return expected_.empty();
}

void UnzipAhead::expect(const std::vector<std::string> &paths, bool testing) {
    std::deque<Item> gone;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (testing != testing_) {
            for (const Item &item : expected_)
                forgetLocked(*item);
            gone.swap(expected_);
            testing_ = testing;
        }
        // Archives passed over go; the rest is kept as far as it agrees.
        while (!expected_.empty() && !paths.empty() && expected_.front()->path != paths.front() &&
               std::find(paths.begin(), paths.end(), expected_.front()->path) == paths.end()) {
            forgetLocked(*expected_.front());
            gone.push_back(expected_.front());
            expected_.pop_front();
        }
        size_t kept = 0;
        while (kept < paths.size() && kept < expected_.size() &&
               expected_[kept]->path == paths[kept])
            ++kept;
        while (expected_.size() > kept) {
            forgetLocked(*expected_.back());
            gone.push_back(expected_.back());
            expected_.pop_back();
        }
        for (size_t i = kept; i < paths.size(); ++i) {
            auto item = std::make_shared<Expected>();
            item->path = paths[i];
            // Its size, to start the biggest archives first. A batch adds
            // one archive a call: this is one status read each.
            struct stat info {};
            if (stat(paths[i].c_str(), &info) == 0)
                item->size = static_cast<uint64_t>(info.st_size);
            expected_.push_back(std::move(item));
        }
        // As many as the cores: the calls mostly write files and report,
        // and a core of their own would often wait for the next archive.
        const size_t wanted = workerCount();
        while (!expected_.empty() && workers_.size() < wanted)
            workers_.emplace_back([this] { work(); });
    }
    workAvailable_.notify_all();
    readDone_.notify_all();
    if (paths.empty()) {
        gone.clear();
        ByteBuffer::trimStore();
    }
}

std::unique_ptr<ReadAhead> UnzipAhead::claim(const std::string &path) {
    Item item;
    bool freed = false;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (expected_.empty())
            return nullptr;
        if (expected_.front()->path != path) {
            dropLocked();
            lock.unlock();
            workAvailable_.notify_all();
            readDone_.notify_all();
            return nullptr;
        }
        item = expected_.front();
        // One under way is awaited (the call would do the same work); one
        // not begun is left to the call.
        readDone_.wait(lock, [&] { return item->state != Expected::State::Reading; });
        expected_.pop_front();
        const bool blocked = nextLocked() == nullptr;
        forgetLocked(*item);
        // Only memory set free can let a worker start another archive.
        freed = blocked && nextLocked() != nullptr;
    }
    if (freed)
        workAvailable_.notify_all();
    return takeChecked(item, path);
}

std::unique_ptr<ReadAhead> UnzipAhead::takeChecked(const Item &item, const std::string &path) {
    if (item->state != Expected::State::Read)
        return nullptr;
    std::unique_ptr<ReadAhead> read = std::move(item->read);
    // A file replaced, rewritten or appended to since is read again.
    struct stat now {};
    if (stat(path.c_str(), &now) != 0 || !sameFile(now, read->archive.info))
        return nullptr;
    return read;
}

bool UnzipAhead::busyLocked() const {
    return std::any_of(expected_.begin(), expected_.end(),
                       [](const Item &item) { return item->state == Expected::State::Reading; }) ||
           nextLocked() != nullptr;
}

size_t UnzipAhead::waitUntilIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    readDone_.wait(lock, [&] { return !busyLocked(); });
    return static_cast<size_t>(
        std::count_if(expected_.begin(), expected_.end(),
                      [](const Item &item) { return item->state == Expected::State::Read; }));
}

UnzipAhead::Item UnzipAhead::nextLocked() const {
    // A new archive starts only while half the memory is free, so that the
    // entries of the one under way have room.
    if (stopping_ || held_ >= kTotal / 2)
        return nullptr;
    // For a test, the biggest first (the first of equals): one big archive
    // left for the end would keep one core busy while the others have
    // nothing to do; a small archive whose call comes first is done by the
    // call. An extraction keeps the data until its call: a big archive read
    // long before its turn would hold the memory that the archives before
    // it need, and they would be left to their calls one by one.
    Item chosen;
    for (const Item &item : expected_)
        if (item->state == Expected::State::Waiting) {
            if (!testing_)
                return item;
            if (!chosen || item->size > chosen->size)
                chosen = item;
        }
    return chosen;
}

bool UnzipAhead::reserve(Expected &item, uint64_t bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (item.dropped || held_ + bytes > kTotal)
        return false;
    held_ += bytes;
    item.bytes += bytes;
    return true;
}

void UnzipAhead::release(Expected &item, uint64_t bytes) {
    // Called by the worker that reads `item`: nobody else waits for this.
    std::lock_guard<std::mutex> lock(mutex_);
    if (item.dropped)
        return;
    held_ -= bytes;
    item.bytes -= bytes;
}

std::unique_ptr<ReadAhead> UnzipAhead::readAhead(Expected &item,
                                                 libdeflate_decompressor *decompressor) {
    auto read = std::make_unique<ReadAhead>();
    read->path = item.path;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        read->dataKept = !testing_;
    }
    CheckedArchive &archive = read->archive;
    if (openChecked(item.path, archive) != ZE_OK)
        return nullptr;
    // The status kept is the one the archive was opened with; a file that
    // changed while it was opened is left to its call.
    struct stat now {};
    if (stat(item.path.c_str(), &now) != 0 || !sameFile(now, archive.info))
        return nullptr;
    zip_t *zip = archive.handle.get();
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    const auto archiveSize = static_cast<uint64_t>(archive.info.st_size);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat{};
        if (zip_stat_index(zip, index, 0, &stat) != 0)
            return nullptr;
        if (!readableAhead(stat, archiveSize))
            continue;
        // Large entries are extracted by the call, straight into their file.
        if (read->dataKept && stat.size >= kMappedFrom)
            continue;
        const uint64_t reading = stat.comp_size + stat.size;
        if (!reserve(item, reading)) {
            if (item.dropped)
                return nullptr;
            continue;
        }
        ByteBuffer raw, data;
        const EntrySpan &span = archive.layout.entries[index];
        if (readsInPlace(archive.file, span, stat)) {
            StoredBytes stored;
            data.allocate(stat.size);
            if (stored.load(archive.file.get(), span.dataBegin, stat.comp_size) != ZE_OK ||
                stored.inflateInto(static_cast<uint16_t>(stat.comp_method), stat.size, stat.crc,
                                   decompressor, data.data()) != ZE_OK)
                return nullptr;
        } else if (readStoredBytes(zip, index, stat.comp_size, raw, [] { return true; }) != ZE_OK ||
                   inflateChecked(raw, static_cast<uint16_t>(stat.comp_method), stat.size, stat.crc,
                                  decompressor, data) != ZE_OK) {
            return nullptr;
        }
        raw.release();
        if (read->dataKept) {
            release(item, stat.comp_size);
        } else {
            // A test needs the verdict only.
            data.release();
            release(item, reading);
        }
        read->inflated.emplace(index, std::move(data));
    }
    return read;
}

void UnzipAhead::work() noexcept {
    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(
        libdeflate_alloc_decompressor());
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        Item item;
        workAvailable_.wait(lock, [&] { return stopping_ || (item = nextLocked()) != nullptr; });
        if (stopping_)
            return;
        item->state = Expected::State::Reading;
        lock.unlock();
        std::unique_ptr<ReadAhead> read;
        try {
            if (decompressor)
                read = readAhead(*item, decompressor.get());
        } catch (...) {
            // Out of memory or anything else: the call will meet it itself.
            read.reset();
        }
        lock.lock();
        if (read && !item->dropped) {
            item->read = std::move(read);
            item->state = Expected::State::Read;
        } else {
            forgetLocked(*item);
            item->state = Expected::State::Failed;
        }
        readDone_.notify_all();
        if (read) {
            // Dropped meanwhile: its memory goes outside the lock, and the
            // pages kept for the batch too when nothing else is expected.
            const bool over = expected_.empty();
            lock.unlock();
            read.reset();
            if (over)
                ByteBuffer::trimStore();
            lock.lock();
        }
    }
}

}  // namespace zelib
