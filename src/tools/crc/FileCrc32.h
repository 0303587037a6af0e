#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace platform {
class ReadOnlyFile;
}

namespace tools {

// CRC-32 of a whole file, run through the caller's register (see Crc32.h).
// The file is opened for reading only and nothing about it is changed, so
// any file the user may read is checksummed (platform/ReadOnlyFile.h); a
// pipe, socket or device counts as a file that cannot be opened. When it
// cannot be opened, byteCount is -1 and crc is left alone; otherwise
// byteCount is the number of bytes read (a read error partway stops there).
// Never throws, and a failure leaves nothing behind that could affect the
// next call.
void FileCrc32(const QString &fileName, quint32 &crc, qint64 &byteCount) noexcept;

// The same for a file opened already (one that is not open gives -1), read
// from its start.
void FileCrc32(const platform::ReadOnlyFile &file, quint32 &crc, qint64 &byteCount) noexcept;

// Told on the caller's thread, between the blocks of a file of more than one
// block, how many bytes of its size are read so far; answering false gives
// the file up.
using Crc32Going = std::function<bool(qint64 bytesRead, qint64 size)>;

// FileCrc32 of an open file that lets the caller run its window while a
// large file is read. False when `going` gave the file up: byteCount and
// crc then mean nothing.
bool FileCrc32(const platform::ReadOnlyFile &file, quint32 &crc, qint64 &byteCount,
               const Crc32Going &going) noexcept;

// CRC-32 of the bytes at positions fromPos to toPos inclusive (counted from
// 0), run through the caller's register, opened as FileCrc32 opens files.
// Throws FileError when the file cannot be opened, positioned or read (the
// range passing its end included); crc then holds the bytes taken in so
// far. With fromPos > toPos no byte is taken.
void FileRangeCrc32(const QString &fileName, qint64 fromPos, qint64 toPos, quint32 &crc);

// Bytes taken from a file per read: large enough that the cost of a read
// call vanishes beside the checksum, small enough that the block is still
// in the core's cache when the checksum runs over it (measured best from
// 256 KiB to 512 KiB on a hot page cache).
inline constexpr qint64 kCrcReadBlock = 256 * 1024;

}  // namespace tools
