#include "ByteBuffer.h"

#include <sys/mman.h>
#include <cstdint>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace zelib {

namespace {

// Buffers from this size on are mapped, in whole multiples of it.
constexpr size_t kMappedUnit = size_t{2} << 20;

// A kept mapping serves a request up to this many times smaller: a small
// entry that took a big mapping would leave the next big entry to fresh
// pages.
constexpr size_t kMostWaste = 4;

using Mapping = std::pair<void *, size_t>;  // (address, length)

void unmap(const std::vector<Mapping> &mappings) {
    for (const auto &[memory, length] : mappings)
        munmap(memory, length);
}

// Mappings released and kept for reuse, the one released longest ago first.
struct KeptMappings {
    std::mutex mutex;
    std::vector<Mapping> mappings;
    size_t bytes = 0;

    ~KeptMappings() { unmap(mappings); }
    // The smallest kept mapping of at least `length` bytes, or null.
    Mapping take(size_t length) {
        std::lock_guard<std::mutex> lock(mutex);
        auto best = mappings.end();
        for (auto it = mappings.begin(); it != mappings.end(); ++it)
            if (it->second >= length && it->second / kMostWaste <= length &&
                (best == mappings.end() || it->second < best->second))
                best = it;
        if (best == mappings.end())
            return {nullptr, 0};
        const Mapping found = *best;
        mappings.erase(best);
        bytes -= found.second;
        return found;
    }
    // Keeps `memory` when it fits, making room by dropping the mappings
    // released longest ago; those are returned to be unmapped outside the lock.
    bool keep(void *memory, size_t length, std::vector<Mapping> &dropped) {
        if (length > ByteBuffer::kKeptBytes)
            return false;
        std::lock_guard<std::mutex> lock(mutex);
        try {
            // Nothing below allocates once room for every mapping is there.
            mappings.reserve(ByteBuffer::kKeptCount);
            dropped.reserve(ByteBuffer::kKeptCount);
        } catch (...) {
            return false;
        }
        auto gone = mappings.begin();
        while (gone != mappings.end() &&
               (mappings.end() - gone >= static_cast<ptrdiff_t>(ByteBuffer::kKeptCount) ||
                bytes + length > ByteBuffer::kKeptBytes)) {
            bytes -= gone->second;
            dropped.push_back(*gone++);
        }
        mappings.erase(mappings.begin(), gone);
        mappings.emplace_back(memory, length);
        bytes += length;
        return true;
    }
    std::vector<Mapping> takeAll() {
        std::lock_guard<std::mutex> lock(mutex);
        bytes = 0;
        return std::exchange(mappings, {});
    }
};

KeptMappings &kept() {
    static KeptMappings instance;
    return instance;
}

}  // namespace

ByteBuffer::ByteBuffer(ByteBuffer &&other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

ByteBuffer &ByteBuffer::operator=(ByteBuffer &&other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
    }
    return *this;
}

void ByteBuffer::setUpStore() {
    kept();
}

void ByteBuffer::trimStore() {
    unmap(kept().takeAll());
}

size_t ByteBuffer::keptBytes() {
    KeptMappings &store = kept();
    std::lock_guard<std::mutex> lock(store.mutex);
    return store.bytes;
}

void ByteBuffer::allocate(size_t size) {
    if (size > SIZE_MAX - kMappedUnit)
        throw std::bad_alloc();
    const size_t length = (size + kMappedUnit - 1) / kMappedUnit * kMappedUnit;
    // A buffer refilled for the next entry keeps its pages when they fit.
    if (size >= kMappedUnit && mapped_ >= length && mapped_ / kMostWaste <= length) {
        size_ = size;
        return;
    }
    release();
    if (size == 0)
        return;
    if (size < kMappedUnit) {
        data_ = new uint8_t[size];
        size_ = size;
        return;
    }
    if (const auto [reused, reusedLength] = kept().take(length); reused != nullptr) {
        data_ = static_cast<uint8_t *>(reused);
        size_ = size;
        mapped_ = reusedLength;
        return;
    }
    void *memory =
        mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    // Ordinary pages, even where huge ones are the default (see the header).
    madvise(memory, length, MADV_NOHUGEPAGE);  // a hint; failure changes nothing
    data_ = static_cast<uint8_t *>(memory);
    size_ = size;
    mapped_ = length;
}

void ByteBuffer::release() {
    if (mapped_ != 0) {
        std::vector<Mapping> dropped;
        if (!kept().keep(data_, mapped_, dropped))
            munmap(data_, mapped_);
        unmap(dropped);
    } else
        delete[] data_;
    data_ = nullptr;
    size_ = mapped_ = 0;
}

}  // namespace zelib
