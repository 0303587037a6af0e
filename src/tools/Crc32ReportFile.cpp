#include "Crc32ReportFile.h"

#include <QSaveFile>

namespace tools {

QString crc32ReportLine(const Crc32ReportRow &row) {
    return QLatin1Char('"') + row.name + QLatin1String("\",\"") + row.crc + QLatin1String("\",") +
           row.size;
}

bool saveCrc32Report(const QString &path, const QList<Crc32ReportRow> &rows) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const Crc32ReportRow &row : rows) {
        const QByteArray line = (crc32ReportLine(row) + QLatin1String("\r\n")).toUtf8();
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            break;
        }
    }
    return file.commit();
}

}  // namespace tools
