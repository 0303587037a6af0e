#include "ZeRecords.h"

#include <QDate>
#include <QTime>
#include <cstring>

namespace zerecords {

QDateTime dosEpoch() {
    return QDateTime(QDate(1980, 1, 1), QTime(0, 0));
}

QDateTime dosDateTime(uint16_t dosTime, uint16_t dosDate) {
    const int year = 1980 + (dosDate >> 9);
    const int month = (dosDate >> 5) & 0x0F;
    const int day = dosDate & 0x1F;
    const int hour = dosTime >> 11;
    const int minute = (dosTime >> 5) & 0x3F;
    const int second = (dosTime & 0x1F) * 2;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 24 || minute > 59 || second > 59)
        return dosEpoch();
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return dosEpoch();
    return QDateTime(date, time);
}

QString text(const char *utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

TZeFileStats fileStats(const ZeEntryRecord &record) {
    TZeFileStats stats;
    stats.FileName = text(record.name);
    stats.Size = record.size;
    stats.CompressedSize = record.compressed_size;
    stats.Ratio = record.ratio;
    stats.ReadOnly = record.attributes & 0x01;
    stats.Hidden = record.attributes & 0x02;
    stats.SysFile = record.attributes & 0x04;
    stats.VolumeId = record.attributes & 0x08;
    stats.Directory = record.attributes & 0x10;
    stats.Archive = record.attributes & 0x20;
    stats.DateTime = dosDateTime(record.dos_time, record.dos_date);
    stats.Crc = record.crc;
    stats.Method = record.method;
    stats.VersionMadeBy = record.version_made;
    stats.VersionNeeded = record.version_needed;
    stats.Encrypted = record.encrypted != 0;
    if (record.comment && record.comment_length > 0)
        stats.Comment = QString::fromUtf8(record.comment, record.comment_length);
    return stats;
}

TZeGlobalStats globalStats(const ZeGlobalStatusBlock &block) {
    TZeGlobalStats stats;
    stats.TotalFiles = block.total_files;
    stats.DoneFiles = block.done_files;
    stats.FilePercent = block.file_percent;
    stats.TotalKBytes = block.total_kbytes;
    stats.DoneKBytes = block.done_kbytes;
    stats.Percent = block.percent;
    return stats;
}

std::size_t copyText(const QString &value, char *buffer, std::size_t bufferSize, int maxChars) {
    if (!buffer || bufferSize == 0)
        return 0;
    // Cut by characters (code points) first, then by bytes at a character
    // boundary, so the engine never sees half a UTF-8 sequence.
    QString kept = value;
    if (maxChars >= 0) {
        int units = 0;
        int chars = 0;
        while (units < kept.size() && chars < maxChars) {
            units += (kept.at(units).isHighSurrogate() && units + 1 < kept.size()) ? 2 : 1;
            ++chars;
        }
        kept.truncate(units);
    }
    const QByteArray utf8 = kept.toUtf8();
    std::size_t length = std::min<std::size_t>(utf8.size(), bufferSize - 1);
    while (length > 0 && length < static_cast<std::size_t>(utf8.size()) &&
           (static_cast<unsigned char>(utf8.at(length)) & 0xC0) == 0x80)
        --length;
    std::memcpy(buffer, utf8.constData(), length);
    buffer[length] = '\0';
    return length;
}

}  // namespace zerecords
