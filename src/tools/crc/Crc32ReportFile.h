#pragma once

#include "Crc32ReportRow.h"

#include <QList>
#include <QString>

namespace tools {

// Writes the report as comma-separated text, one line per row in order
// (the header is simply the first row): the name and the checksum in double
// quotes, the size bare, each line ended by CR LF, UTF-8. Quotes inside a
// field are written as they are. An existing file is replaced, but only
// once the new one is complete. Returns false if any step failed; the old
// file, if any, is then left as it was.
bool saveCrc32Report(const QString &path, const QList<Crc32ReportRow> &rows);

// One line of that file, without its line end.
QString crc32ReportLine(const Crc32ReportRow &row);

}  // namespace tools
