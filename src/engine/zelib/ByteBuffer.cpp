#include "ByteBuffer.h"

#include <sys/mman.h>
#include <new>
#include <utility>

namespace zelib {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

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
    if (mapped_ != 0)
        munmap(data_, mapped_);
    else
        delete[] data_;
    data_ = nullptr;
    size_ = mapped_ = 0;
}

}  // namespace zelib
