#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tools {

// The rules of the trim window's two offset boxes. Offsets count bytes
// from 1 and name the first and the last byte to keep; the size box holds
// the file's size in decimal (-1 when the file could not be opened).

// Reads an offset or size box. Byte counts of files of 2 GiB and more are
// read as they are, so such files can be trimmed too.
std::optional<qint64> parseByteCount(const QString &text);

// Whether the start offset is valid after its box changed: a number, not
// after the end offset, and at least 1. An end box that holds no number
// takes no part (its own flag is bad anyway).
bool startOffsetValid(const QString &start, const QString &end);

// Whether the end offset is valid after its box changed: a number, not
// beyond the size, and not before the start offset. A start box that holds
// no number takes no part (its own flag is bad anyway).
bool endOffsetValid(const QString &end, const QString &size, const QString &start);

// The halving buttons' test: the size text, without surrounding blanks,
// ends in an odd digit.
bool oddSize(const QString &size);

// The offsets the halving buttons write for an even size.
QString firstHalfEnd(const QString &size);     // size div 2
QString secondHalfStart(const QString &size);  // size div 2 + 1

}  // namespace tools
