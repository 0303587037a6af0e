#pragma once

#include <cstdint>

namespace zelib {

// The CRC-32 of two pieces of data joined, from the CRC of each and the
// length of the second: lets the pieces of one file be checksummed on
// different threads.
uint32_t crc32Combine(uint32_t first, uint32_t second, uint64_t secondLength);

}  // namespace zelib
