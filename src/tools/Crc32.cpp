#include "Crc32.h"

#include "Crc32Table.h"

#include <libdeflate.h>

namespace tools {

void UpdateCrc32(quint8 byte, quint32 &crc) {
    crc = kCrc32Table[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
}

void UpdateCrc32Block(const void *data, std::size_t length, quint32 &crc) {
    // libdeflate answers a null buffer with its start value whatever the
    // register holds, so an empty block must not reach it.
    if (length == 0)
        return;
    // libdeflate takes and returns the finished value (the register's
    // complement), so the register crosses over complemented both ways.
    crc = ~libdeflate_crc32(~crc, data, length);
}

QString crc32Hex(quint32 value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

}  // namespace tools
