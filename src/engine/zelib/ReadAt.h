#pragma once

#include <cstdint>

namespace zelib {

// Reads exactly `length` bytes at `offset` through `fd`, whatever the
// current position: 0 when all were read, the errno of a failed read, or
// ENODATA when the file ends first.
int readAt(int fd, uint64_t offset, uint8_t *buffer, uint64_t length);

}  // namespace zelib
