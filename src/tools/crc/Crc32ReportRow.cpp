#include "Crc32ReportRow.h"

#include "Crc32.h"

namespace tools {

// The report is data: its header and rows go into the CSV file as they are,
// in English whatever the window's language, so that scripts and
// spreadsheets read every report alike. The window translates the header
// only where it shows it as column captions.
Crc32ReportRow crc32ReportHeader() {
    return {QStringLiteral(QT_TRANSLATE_NOOP("TCRC32_Form", "File Name")),
            QStringLiteral(QT_TRANSLATE_NOOP("TCRC32_Form", "File Crc 32")),
            QStringLiteral(QT_TRANSLATE_NOOP("TCRC32_Form", "File Size (Bytes)"))};
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
