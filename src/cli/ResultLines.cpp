#include "ResultLines.h"

#include "tools/crc/Crc32ReportRow.h"

namespace cli {

namespace {

QString quoted(QString field) {
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

bool needsQuotes(const QString &field) {
    for (const QChar c : field)
        if (c == QLatin1Char('"') || c == QLatin1Char(',') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            return true;
    return false;
}

}  // namespace

QString crcCsvLine(const tools::Crc32ReportRow &row) {
    return quoted(row.name) + QLatin1Char(',') + quoted(row.crc) + QLatin1Char(',') +
           (needsQuotes(row.size) ? quoted(row.size) : row.size);
}

QString dupesLine(int group, qint64 size, const QString &name, bool raw) {
    QString shown;
    if (raw) {
        shown = name;
    } else {
        shown.reserve(name.size());
        for (const QChar c : name) {
            switch (c.unicode()) {
                case '\\':
                    shown += QLatin1String("\\\\");
                    break;
                case '\t':
                    shown += QLatin1String("\\t");
                    break;
                case '\n':
                    shown += QLatin1String("\\n");
                    break;
                case '\r':
                    shown += QLatin1String("\\r");
                    break;
                default:
                    shown += c;
            }
        }
    }
    return QString::number(group) + QLatin1Char('\t') + QString::number(size) + QLatin1Char('\t') +
           shown;
}

}  // namespace cli
