#include "TrimOffsets.h"

#include "IntegerParser.h"

#include <limits>

namespace tools {

std::optional<qint64> parseByteCount(const QString &text) {
    return parseInteger(text, std::numeric_limits<qint64>::min(),
                        std::numeric_limits<qint64>::max());
}

bool startOffsetValid(const QString &start, const QString &end) {
    const std::optional<qint64> s = parseByteCount(start);
    if (!s)
        return false;
    const std::optional<qint64> e = parseByteCount(end);
    if (e && *e < *s)
        return false;
    return *s >= 1;
}

bool endOffsetValid(const QString &end, const QString &size, const QString &start) {
    const std::optional<qint64> e = parseByteCount(end);
    if (!e)
        return false;
    const std::optional<qint64> n = parseByteCount(size);
    if (n && *n < *e)
        return false;
    const std::optional<qint64> s = parseByteCount(start);
    return !(s && *e < *s);
}

bool oddSize(const QString &size) {
    // Blanks are the space and every control character before it.
    qsizetype last = size.size() - 1;
    while (last >= 0 && size[last].unicode() <= u' ')
        --last;
    return last >= 0 && QStringLiteral("13579").contains(size[last]);
}

QString firstHalfEnd(const QString &size) {
    return QString::number(parseByteCount(size.trimmed()).value_or(0) / 2);
}

QString secondHalfStart(const QString &size) {
    return QString::number(parseByteCount(size.trimmed()).value_or(0) / 2 + 1);
}

}  // namespace tools
