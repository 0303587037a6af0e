#pragma once

#include <QString>
#include <QtGlobal>

namespace tools {

// CRC-32 of a whole file, run through the caller's register (see Crc32.h).
// A read-only file is made writable for the moment of the open and is
// read-only again afterwards, whatever happens. The file is opened for
// reading and writing (it is never written). When it cannot be opened,
// byteCount is -1 and crc is left alone; otherwise byteCount is the number
// of bytes read (a read error partway stops there). Never throws, and a
// failure leaves nothing behind that could affect the next call.
void FileCrc32(const QString &fileName, quint32 &crc, qint64 &byteCount) noexcept;

// CRC-32 of the bytes at positions fromPos to toPos inclusive (counted from
// 0), run through the caller's register. The file is opened for reading and
// writing as it is, so a read-only file fails. Throws FileError when the
// file cannot be opened, positioned, read (the range passing its end
// included) or closed; crc then holds the bytes taken in so far. With
// fromPos > toPos no byte is taken.
void FileRangeCrc32(const QString &fileName, qint64 fromPos, qint64 toPos, quint32 &crc);

// Bytes taken from a file per read: large enough that the cost of a read
// call vanishes beside the checksum, small enough that the block is still
// in the core's cache when the checksum runs over it (measured best from
// 256 KiB to 512 KiB on a hot page cache).
inline constexpr qint64 kCrcReadBlock = 256 * 1024;

}  // namespace tools
