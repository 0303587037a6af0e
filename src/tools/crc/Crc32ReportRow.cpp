#include "Crc32ReportRow.h"

#include "Crc32.h"

namespace tools {

Crc32ReportRow crc32ReportHeader() {
    return {QStringLiteral("File Name"), QStringLiteral("File Crc 32"),
            QStringLiteral("File Size (Bytes)")};
}

Crc32ReportRow crc32NoFilesRow() {
    return {QStringLiteral("--No Files Selected --"), {}, {}};
}

Crc32ReportRow crc32FileRow(const QString &name, quint32 crc, qint64 byteCount) {
    if (byteCount < 0)
        return {name, QStringLiteral("XXXXXXXX"), QStringLiteral("- FILE IN USE -")};
    return {name, crc32Hex(crc), QString::number(byteCount)};
}

}  // namespace tools
