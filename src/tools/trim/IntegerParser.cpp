#include "IntegerParser.h"

#include <algorithm>

namespace tools {

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<qint64> parseInteger(QStringView text, qint64 least, qint64 most) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // The magnitude is gathered as unsigned, which holds every value the
    // bounds allow (the most negative one included) and stops at the first
    // digit that would leave them.
    const quint64 limit = negative ? quint64(0) - static_cast<quint64>(std::min<qint64>(least, 0))
                                   : static_cast<quint64>(std::max<qint64>(most, 0));
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        const auto d = static_cast<quint64>(digit);
        if (d > limit || magnitude > (limit - d) / static_cast<quint64>(base))
            return std::nullopt;
        magnitude = magnitude * static_cast<quint64>(base) + d;
    }
    const qint64 value =
        negative ? static_cast<qint64>(quint64(0) - magnitude) : static_cast<qint64>(magnitude);
    if (value < least || value > most)
        return std::nullopt;
    return value;
}

}  // namespace tools
