#include "FileFilters.h"

#include "platform/AsciiCase.h"

namespace filefilters {

QStringList masksOf(const QString &filterList) {
    QStringList masks;
    QString gathered;
    int bars = 0;
    for (int i = 0; i < filterList.size(); ++i) {
        const QChar c = filterList.at(i);
        if (c == QLatin1Char('|'))
            ++bars;
        else if (bars == 1)
            gathered += c;
        if (bars == 2 || i == filterList.size() - 1) {
            masks << platform::asciiUpper(gathered);
            gathered.clear();
            bars = 0;
        }
    }
    return masks;
}

QString filterListOf(const QStringList &masks) {
    QString list;
    for (int i = 0; i < masks.size(); ++i) {
        if (i > 0)
            list += QLatin1Char('|');
        list += masks[i] + QLatin1Char('|') + masks[i];
    }
    return list;
}

int sortedPosition(const QStringList &masks, const QString &mask) {
    int i = 0;
    while (i < masks.size() && masks[i].compare(mask, Qt::CaseInsensitive) <= 0)
        ++i;
    return i;
}

QString cleanedMask(const QString &typed) {
    int from = 0;
    int to = static_cast<int>(typed.size());
    while (from < to && typed.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && typed.at(to - 1).unicode() <= 0x20)
        --to;
    return platform::asciiUpper(typed.mid(from, to - from));
}

}  // namespace filefilters
