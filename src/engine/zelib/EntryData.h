#pragma once

#include "ByteBuffer.h"

#include <zip.h>
#include <cstdint>
#include <functional>

struct libdeflate_decompressor;

namespace zelib {

// Reads the stored bytes of entry `index` (compressed, as they lie in the
// archive) into `raw`, which takes `size` bytes: 0 or the result code.
// `going` is asked before every piece; when it says no, ZE_ERR_ABORTED.
int32_t readStoredBytes(zip_t *archive, zip_uint64_t index, uint64_t size, ByteBuffer &raw,
                        const std::function<bool()> &going);

// An entry's data from its stored bytes, checked: exactly `size` bytes whose
// CRC-32 is `crc`. `method` is ZIP_CM_STORE (the data then takes over the
// bytes of `raw`) or ZIP_CM_DEFLATE. 0 or ZE_ERR_INCOMPLETE; throws
// std::bad_alloc when the memory is not there.
int32_t inflateChecked(ByteBuffer &raw, uint16_t method, uint64_t size, uint32_t crc,
                       libdeflate_decompressor *decompressor, ByteBuffer &data);

}  // namespace zelib
