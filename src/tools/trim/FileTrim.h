#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace tools {

// How a trim ended: the new CRC-32 (final value, complement taken) when the
// file was replaced, otherwise what went wrong, in words for a message box.
struct TrimOutcome {
    bool trimmed = false;
    quint32 crc = 0;
    QString failure;
};

// Keeps the bytes from `start` to `end` of a file (counted from 1, both
// included) and drops the rest. The kept bytes are written to a temporary
// file in the file's own folder, flushed to disk, and only then renamed over
// the file in one step; the file keeps its permission bits. Any failure
// (opening, a file shorter than `end`, reading, writing, flushing, renaming)
// leaves the file exactly as it was and removes the temporary file.
// `progress` gets, after every block, the position of the last byte copied
// times 100 / `end`, rounded halves to even: the last value is 100.
TrimOutcome trimFile(const QString &path, qint64 start, qint64 end,
                     const std::function<void(int)> &progress);

// Bytes moved per read and write; as large as the blocks `dd` is usually
// given, so the copy runs at the disk's pace.
inline constexpr qint64 kTrimBlock = 1024 * 1024;

}  // namespace tools
