#pragma once

#include <QStringView>
#include <QtGlobal>

#include <limits>
#include <optional>

namespace tools {

// Reads a whole number as the user types it into any box of the program:
// leading spaces are skipped, then an optional "-" or "+", then either
// decimal digits or "$" followed by hexadecimal digits (either case). An
// empty text, any other character (trailing spaces included) or a value
// outside [least, most] gives nothing. The bounds default to a signed 32-bit
// integer; callers that count bytes of large files widen them.
std::optional<qint64> parseInteger(QStringView text,
                                   qint64 least = std::numeric_limits<qint32>::min(),
                                   qint64 most = std::numeric_limits<qint32>::max());

}  // namespace tools
