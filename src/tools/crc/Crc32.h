#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>

namespace tools {

// CRC-32 as every caller in the program uses it: the register starts at
// 0xFFFFFFFF, bytes are run through it, and the final value is the
// register's complement, shown as eight upper-case hexadecimal digits.
//
//     quint32 crc = kCrc32Start;
//     UpdateCrc32Block(data, size, crc);
//     const QString text = crc32Hex(~crc);

inline constexpr quint32 kCrc32Start = 0xFFFFFFFFu;

// One step of the register for one byte, through the table.
void UpdateCrc32(quint8 byte, quint32 &crc);

// The same steps for `length` bytes at once, with the same register in and
// out: identical to calling UpdateCrc32 for each byte in order, only fast.
void UpdateCrc32Block(const void *data, std::size_t length, quint32 &crc);

// Exactly eight upper-case hexadecimal digits, leading zeros kept.
QString crc32Hex(quint32 value);

}  // namespace tools
