#pragma once

#include <cstddef>
#include <cstdint>

namespace zelib {

// Uninitialised bytes for whole entries. Large buffers come straight from
// mmap, with ordinary pages: a huge page needs a large free block of memory,
// and on a virtual machine that gives freed memory back to its host, those
// are the blocks given back, which the host must provide again at the first
// touch. Filling 128 MiB of huge pages just after other work freed memory
// took 0.35-0.40 s, of ordinary pages 0.06-0.07 s. Released large buffers are kept for the next
// ones (up to kKeptCount and kKeptBytes in all, for the whole process; the ones released longest
// ago make room): a batch of archives reuses the same pages instead of having the kernel clear
// fresh ones for each entry, which on big entries cost as much as inflating them. The store holds
// room for the entries in flight at once (a raw and an inflated buffer for each of two archives of
// 64 MiB), and trimStore() gives it back once a batch is over.
class ByteBuffer {
  public:
    static constexpr size_t kKeptBytes = size_t{256} << 20;
    static constexpr size_t kKeptCount = 16;

    ByteBuffer() = default;
    explicit ByteBuffer(size_t size) { allocate(size); }
    ~ByteBuffer() { release(); }
    ByteBuffer(ByteBuffer &&other) noexcept;
    ByteBuffer &operator=(ByteBuffer &&other) noexcept;
    ByteBuffer(const ByteBuffer &) = delete;
    ByteBuffer &operator=(const ByteBuffer &) = delete;

    // Sets up the store of kept buffers. An object of static storage that
    // may hold buffers when the process ends calls this before it is
    // constructed, so that the store outlives it.
    static void setUpStore();
    // Unmaps every kept buffer; those in use are kept again when released.
    static void trimStore();
    // The bytes the store holds now.
    static size_t keptBytes();

    // Replaces the contents with `size` uninitialised bytes; throws
    // std::bad_alloc when the memory is not there.
    void allocate(size_t size);
    void release();

    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

  private:
    uint8_t *data_ = nullptr;
    size_t size_ = 0;
    size_t mapped_ = 0;  // non-zero when the bytes come from mmap
};

}  // namespace zelib
