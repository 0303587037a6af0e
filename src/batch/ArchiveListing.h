#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The entry names of a zip archive, read from its central directory as they
// are stored (bytes, folders ending in "/"), zip64 archives included.
// Nothing when the file cannot be read or its directory is not whole: a
// caller that must know what an archive holds learns nothing from a damaged
// one.
std::optional<QList<QByteArray>> archiveEntryNames(const QString &archive);

// An entry as the central directory records it.
struct ArchiveEntry {
    QByteArray name;
    quint32 crc = 0;
    quint64 size = 0;  // uncompressed, from the zip64 field when there is one
};
// Every entry of the archive, as above: nothing when its directory is not
// whole.
std::optional<QList<ArchiveEntry>> archiveEntries(const QString &archive);
