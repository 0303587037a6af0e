#include "Crc32.h"

#include "Crc32Kernels.h"
#include "Crc32Table.h"

namespace tools {

void UpdateCrc32(quint8 byte, quint32 &crc) {
    crc = kCrc32Table[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
}

void UpdateCrc32Block(const void *data, std::size_t length, quint32 &crc) {
    const auto *bytes = static_cast<const unsigned char *>(data);
    crc = length >= kernels::kWideMinimum && kernels::hasWideCrc32()
              ? kernels::wideCrc32(crc, bytes, length)
              : kernels::deflateCrc32(crc, bytes, length);
}

QString crc32Hex(quint32 value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

}  // namespace tools
