// The integer parser on any text: whatever it accepts lies within its
// bounds, and what it gives back reads back the same, in decimal and in hex.
#include "FuzzTarget.h"
#include "tools/trim/IntegerParser.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<qint64> value = tools::parseInteger(text);
    if (value) {
        fuzzCheck(*value >= std::numeric_limits<qint32>::min() &&
                      *value <= std::numeric_limits<qint32>::max(),
                  "a value within the default bounds");
        fuzzCheck(tools::parseInteger(QString::number(*value)) == value,
                  "the decimal form reads back");
        if (*value >= 0)
            fuzzCheck(
                tools::parseInteger(QStringLiteral("$") + QString::number(*value, 16)) == value,
                "the hexadecimal form reads back");
    }
    const std::optional<qint64> wide = tools::parseInteger(text, std::numeric_limits<qint64>::min(),
                                                           std::numeric_limits<qint64>::max());
    fuzzCheck(!value || wide == value, "wider bounds accept what narrow ones do");
    return 0;
}
