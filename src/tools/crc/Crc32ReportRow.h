#pragma once

#include <QString>
#include <QtGlobal>

namespace tools {

// One line of the CRC-32 report, as the grid shows it and the saved report
// writes it: file name, checksum, size.
struct Crc32ReportRow {
    QString name;
    QString crc;
    QString size;

    friend bool operator==(const Crc32ReportRow &, const Crc32ReportRow &) = default;
};

// The fixed header line.
Crc32ReportRow crc32ReportHeader();

// The single line of a report over an empty selection.
Crc32ReportRow crc32NoFilesRow();

// The line of one file from FileCrc32's results: the finished checksum (the
// register already complemented) and the byte count, -1 for a file that
// could not be opened.
Crc32ReportRow crc32FileRow(const QString &name, quint32 crc, qint64 byteCount);

}  // namespace tools
