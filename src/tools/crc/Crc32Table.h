#pragma once

#include <QtGlobal>

#include <array>

namespace tools {

// The published CRC-32 table for the reflected polynomial 0xEDB88320 (zip,
// IEEE 802.3): entry n is the register after shifting the byte n through
// eight steps. Kept as written-out data so that no start-up code builds it.
extern const std::array<quint32, 256> kCrc32Table;

}  // namespace tools
