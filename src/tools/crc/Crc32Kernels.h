#pragma once

#include <QtGlobal>

#include <cstddef>

// The bulk CRC-32 routines behind UpdateCrc32Block, apart so that tests can
// hold each one against the table routine. All work on the register as
// UpdateCrc32 does (not on the finished, complemented value).
namespace tools::kernels {

// libdeflate's CRC-32 (carry-less multiplication with SSE/AVX where the
// processor has it), for any length.
quint32 deflateCrc32(quint32 crc, const unsigned char *data, std::size_t length);

// Whether wideCrc32 can run here: x86-64 with AVX-512 and VPCLMULQDQ.
bool hasWideCrc32();

// Folding four 512-bit lanes at once, about three times libdeflate 1.14's
// speed where it runs. Only for length >= kWideMinimum, and only when
// hasWideCrc32() says so.
inline constexpr std::size_t kWideMinimum = 256;
quint32 wideCrc32(quint32 crc, const unsigned char *data, std::size_t length);

}  // namespace tools::kernels
