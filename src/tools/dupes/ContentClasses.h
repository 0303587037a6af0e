#pragma once

#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace tools {

// What reading one file of a set found.
struct ContentReading {
    // The file's size when it was opened, or -1 when it could not be opened.
    qint64 byteCount = -1;
    // The file's finished CRC-32 (the register complemented), when known: a
    // file is read only as far as some other file of the set still agrees
    // with it, so a file unlike every other one may have none.
    quint32 crc = 0;
    bool crcKnown = false;
    // Files of one class hold the same bytes. -1 for a file that could not
    // be opened, could not be read whole, or changed its size while it was
    // read: its contents are unknown, so it is like no other file.
    int contentClass = -1;
};

// Sorts files (meant to be files of one size) into classes of identical
// contents, numbered from 0. Files are opened as the checksum routines open
// them (for reading only; a pipe, socket or device counts as a file that
// cannot be opened) and compared block by block, all at
// once, so each is read at most once; a file whose size no other file of
// the set shares is only opened. Large sets are checksummed first and only
// files of equal checksums compared, a few dozen files at a time.
//
// `keepReading`, when given, is called now and then during a long read with
// the number of bytes read so far (it may let window messages run and show
// progress); once it answers false the reading ends at once. Files that
// were compared whole before that keep their classes (in a large set the
// files are taken one after the other, each compared with the files before
// it); every other file has none.
std::vector<ContentReading> classifyContents(
    const QStringList &paths, const std::function<bool(qint64 bytesRead)> &keepReading = {});

}  // namespace tools
