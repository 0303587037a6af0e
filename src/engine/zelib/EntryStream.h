#pragma once

#include "ZipHandles.h"

#include <zlib.h>
#include <cstdint>
#include <vector>

namespace zelib {

// The data of one plain entry (stored or deflated, not encrypted) too large
// to be held whole, piece by piece in one reused buffer: its stored bytes
// read through libzip as they lie in the archive, inflated here with zlib,
// the CRC-32 computed by libdeflate. libzip's own reader inflates in 8 KiB
// steps through layers of its own and checks with zlib's CRC-32; this takes
// a third less time, and memory stays at two pieces whatever the entry's
// size. The checks are those of an entry held whole: exactly the declared
// size, the declared CRC.
class EntryStream {
  public:
    // `method` is ZIP_CM_STORE or ZIP_CM_DEFLATE.
    EntryStream(uint16_t method, uint64_t compressedSize, uint64_t size, uint32_t crc);
    ~EntryStream();
    EntryStream(const EntryStream &) = delete;
    EntryStream &operator=(const EntryStream &) = delete;

    // Opens entry `index`: 0 or the result code.
    int32_t open(zip_t *archive, zip_uint64_t index);
    // The next piece of data in `data`, `length` bytes, 0 once the data is
    // over and found intact: 0 or the result code (ZE_ERR_INCOMPLETE for
    // data that do not decode, are longer or shorter than declared, or fail
    // their CRC).
    int32_t next(const uint8_t *&data, size_t &length);

  private:
    int32_t readStored(size_t &length);
    int32_t nextInflated(size_t &length);

    const uint16_t method_;
    const uint64_t size_;
    const uint32_t crc_;
    uint64_t unread_;  // stored bytes not read yet
    uint64_t produced_ = 0;
    uint32_t running_ = 0;  // CRC-32 of the data so far
    EntryFile file_;
    z_stream inflater_{};
    bool inflating_ = false;  // inflater_ is set up
    bool ended_ = false;      // the deflate stream has ended
    std::vector<uint8_t> stored_, data_;
};

}  // namespace zelib
