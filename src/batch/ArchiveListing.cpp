#include "ArchiveListing.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr quint32 kEndRecord = 0x06054b50;
constexpr quint32 kZip64EndRecord = 0x06064b50;
constexpr quint32 kZip64Locator = 0x07064b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr qint64 kEndRecordSize = 22;
constexpr qint64 kLocatorSize = 20;
constexpr qint64 kZip64EndRecordSize = 56;
constexpr qint64 kCentralHeaderSize = 46;

quint64 little(const char *p, int bytes) {
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(p[i]);
    return value;
}

struct Directory {
    quint64 entries = 0, size = 0, offset = 0;
};

// The end record lies in the last 22 bytes plus at most 65535 bytes of
// comment; the last signature whose comment reaches the end exactly is it.
std::optional<Directory> findDirectory(QFile &file) {
    const qint64 length = file.size();
    const qint64 tailSize = std::min<qint64>(length, kEndRecordSize + 0xFFFF);
    if (tailSize < kEndRecordSize || !file.seek(length - tailSize))
        return std::nullopt;
    const QByteArray tail = file.read(tailSize);
    if (tail.size() != tailSize)
        return std::nullopt;
    for (qint64 at = tailSize - kEndRecordSize; at >= 0; --at) {
        const char *end = tail.constData() + at;
        if (little(end, 4) != kEndRecord ||
            at + kEndRecordSize + static_cast<qint64>(little(end + 20, 2)) != tailSize)
            continue;
        Directory d{little(end + 10, 2), little(end + 12, 4), little(end + 16, 4)};
        if (d.entries != 0xFFFF && d.size != 0xFFFFFFFF && d.offset != 0xFFFFFFFF)
            return d;
        // A zip64 archive: the locator just before the end record points to
        // the zip64 end record, which holds the full-width values.
        if (at < kLocatorSize || little(end - kLocatorSize, 4) != kZip64Locator)
            return std::nullopt;
        if (!file.seek(static_cast<qint64>(little(end - kLocatorSize + 8, 8))))
            return std::nullopt;
        const QByteArray record = file.read(kZip64EndRecordSize);
        if (record.size() != kZip64EndRecordSize ||
            little(record.constData(), 4) != kZip64EndRecord)
            return std::nullopt;
        const char *r = record.constData();
        return Directory{little(r + 32, 8), little(r + 40, 8), little(r + 48, 8)};
    }
    return std::nullopt;
}

// The uncompressed size that a zip64 extra field holds: its first value,
// present when the header's own field is saturated.
std::optional<quint64> zip64Size(const char *extra, qint64 length) {
    for (qint64 at = 0; at + 4 <= length;) {
        const quint64 id = little(extra + at, 2);
        const qint64 size = static_cast<qint64>(little(extra + at + 2, 2));
        if (at + 4 + size > length)
            return std::nullopt;
        if (id == 0x0001 && size >= 8)
            return little(extra + at + 4, 8);
        at += 4 + size;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QList<ArchiveEntry>> archiveEntries(const QString &archive) {
    QFile file(archive);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<Directory> directory = findDirectory(file);
    const quint64 length = static_cast<quint64>(file.size());
    if (!directory || directory->offset > length || directory->size > length - directory->offset ||
        !file.seek(static_cast<qint64>(directory->offset)))
        return std::nullopt;
    const QByteArray headers = file.read(static_cast<qint64>(directory->size));
    if (static_cast<quint64>(headers.size()) != directory->size)
        return std::nullopt;

    QList<ArchiveEntry> entries;
    qint64 at = 0;
    for (quint64 i = 0; i < directory->entries; ++i) {
        if (at + kCentralHeaderSize > headers.size())
            return std::nullopt;
        const char *h = headers.constData() + at;
        if (little(h, 4) != kCentralHeader)
            return std::nullopt;
        const qint64 nameLength = static_cast<qint64>(little(h + 28, 2));
        const qint64 extraLength = static_cast<qint64>(little(h + 30, 2));
        const qint64 next = at + kCentralHeaderSize + nameLength + extraLength +
                            static_cast<qint64>(little(h + 32, 2));
        if (next > headers.size())
            return std::nullopt;
        ArchiveEntry entry;
        entry.name = headers.mid(at + kCentralHeaderSize, nameLength);
        entry.crc = static_cast<quint32>(little(h + 16, 4));
        entry.size = little(h + 24, 4);
        if (entry.size == 0xFFFFFFFF) {
            const std::optional<quint64> wide =
                zip64Size(h + kCentralHeaderSize + nameLength, extraLength);
            if (!wide)
                return std::nullopt;
            entry.size = *wide;
        }
        entries << entry;
        at = next;
    }
    return entries;
}

std::optional<QList<QByteArray>> archiveEntryNames(const QString &archive) {
    const std::optional<QList<ArchiveEntry>> entries = archiveEntries(archive);
    if (!entries)
        return std::nullopt;
    QList<QByteArray> names;
    names.reserve(entries->size());
    for (const ArchiveEntry &entry : *entries)
        names << entry.name;
    return names;
}
