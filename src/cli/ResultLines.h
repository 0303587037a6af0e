#pragma once

#include <QString>
#include <QtGlobal>

namespace tools {
struct Crc32ReportRow;
}

namespace cli {

// The tools' results as scripts read them back, whatever the names hold.

// A CRC-32 report line as comma-separated values (RFC 4180): name and
// checksum always in double quotes, as the window's saved report has them,
// the size bare unless it needs quotes; a double quote inside a field is
// doubled. So a line differs from the window's only for a name that holds a
// double quote, which the window writes unchanged. A name with a line end
// stays one field, spread over two lines.
QString crcCsvLine(const tools::Crc32ReportRow &row);

// A line of the duplicate listing: group number, size and name, separated
// by tabs. Unless `raw`, the name's backslashes, tabs, line feeds and
// carriage returns are written as \\, \t, \n and \r, so that every line
// holds one file; raw names go with NUL-ended lines.
QString dupesLine(int group, qint64 size, const QString &name, bool raw);

}  // namespace cli
