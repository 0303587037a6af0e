#include "ByteBuffer.h"

#include <sys/mman.h>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace zelib {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

// Mappings released and kept for reuse: (address, length).
struct KeptMappings {
    std::mutex mutex;
    std::vector<std::pair<void *, size_t>> mappings;
    size_t bytes = 0;

    ~KeptMappings() {
        for (const auto &[memory, length] : mappings)
            munmap(memory, length);
    }
    // The smallest kept mapping of at least `length` bytes, or null.
    std::pair<void *, size_t> take(size_t length) {
        std::lock_guard<std::mutex> lock(mutex);
        auto best = mappings.end();
        for (auto it = mappings.begin(); it != mappings.end(); ++it)
            if (it->second >= length && (best == mappings.end() || it->second < best->second))
                best = it;
        if (best == mappings.end())
            return {nullptr, 0};
        const auto found = *best;
        mappings.erase(best);
        bytes -= found.second;
        return found;
    }
    bool keep(void *memory, size_t length) {
        std::lock_guard<std::mutex> lock(mutex);
        if (mappings.size() >= ByteBuffer::kKeptCount || bytes + length > ByteBuffer::kKeptBytes)
            return false;
        try {
            mappings.emplace_back(memory, length);
        } catch (...) {
            return false;
        }
        bytes += length;
        return true;
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

void ByteBuffer::allocate(size_t size) {
    release();
    if (size == 0)
        return;
    if (size < kHugePage) {
        data_ = new uint8_t[size];
        size_ = size;
        return;
    }
    const size_t length = (size + kHugePage - 1) / kHugePage * kHugePage;
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
    madvise(memory, length, MADV_HUGEPAGE);  // a hint; failure changes nothing
    data_ = static_cast<uint8_t *>(memory);
    size_ = size;
    mapped_ = length;
}

void ByteBuffer::release() {
    if (mapped_ != 0) {
        if (!kept().keep(data_, mapped_))
            munmap(data_, mapped_);
    } else
        delete[] data_;
    data_ = nullptr;
    size_ = mapped_ = 0;
}

}  // namespace zelib
