// The filter list parser on any text: masks never hold a separator, are
// upper-cased, and survive a trip through the list they make.
#include "FuzzTarget.h"
#include "platform/AsciiCase.h"
#include "tools/filters/FileFilters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList masks = filefilters::masksOf(text);
    for (const QString &mask : masks) {
        fuzzCheck(!mask.contains(QLatin1Char('|')), "a mask holds no separator");
        fuzzCheck(platform::asciiUpper(mask) == mask, "masks are upper-cased");
    }
    fuzzCheck(filefilters::masksOf(filefilters::filterListOf(masks)) == masks,
              "masks survive their filter list");

    const int at = filefilters::sortedPosition(masks, text);
    fuzzCheck(at >= 0 && at <= masks.size(), "a position within the list");

    const QString cleaned = filefilters::cleanedMask(text);
    fuzzCheck(
        cleaned.isEmpty() || (cleaned.front().unicode() > 0x20 && cleaned.back().unicode() > 0x20),
        "a cleaned mask has no blank or control character at either end");
    return 0;
}
