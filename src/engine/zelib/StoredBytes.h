#pragma once

#include "ByteBuffer.h"
#include "FileMapping.h"

#include <cstdint>

struct libdeflate_decompressor;

namespace zelib {

// An entry's stored bytes, taken where they lie in the archive file: mapped
// where the file system allows (no buffer of their size to fill and copy),
// read into memory otherwise.
class StoredBytes {
  public:
    // The `size` bytes at `offset` of the archive open as `fd`, which must
    // stay open meanwhile: 0, ZE_ERR_EOF when the file ends first or
    // ZE_ERR_READ.
    int32_t load(int fd, uint64_t offset, uint64_t size);

    // Inflates (ZIP_CM_DEFLATE) or copies (ZIP_CM_STORE) them into `out`,
    // which takes exactly `size` bytes, and checks their CRC: 0 or
    // ZE_ERR_INCOMPLETE; ZE_ERR_EOF when the archive was cut short
    // meanwhile, ZE_ERR_READ when a page could not be read. `out` may be a
    // mapped file too.
    int32_t inflateInto(uint16_t method, uint64_t size, uint32_t crc,
                        libdeflate_decompressor *decompressor, uint8_t *out) const;

  private:
    int fd_ = -1;
    uint64_t offset_ = 0;
    uint64_t size_ = 0;
    const uint8_t *data_ = nullptr;
    FileMapping mapping_;
    ByteBuffer copy_;
};

}  // namespace zelib
