#include "Crc32ReportFile.h"

#include "platform/SaveFile.h"

namespace tools {

QString crc32ReportLine(const Crc32ReportRow &row) {
    return QLatin1Char('"') + row.name + QLatin1String("\",\"") + row.crc + QLatin1String("\",") +
           row.size;
}

bool saveCrc32Report(const QString &path, const QList<Crc32ReportRow> &rows) {
    QStringList lines;
    for (const Crc32ReportRow &row : rows)
        lines << crc32ReportLine(row);
    return platform::saveWhole(path, platform::crlfLines(lines));
}

}  // namespace tools
