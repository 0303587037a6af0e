#include "DupesDeletion.h"

#include "ContentClasses.h"

#include <QSet>

namespace tools {

QList<bool> stillDuplicates(const QStringList &chosen, const QStringList &kept) {
    if (kept.isEmpty())
        return QList<bool>(chosen.size(), true);
    // Read now, all at once: the sizes and classes of the search are history.
    const std::vector<ContentReading> now = classifyContents(chosen + kept);
    QSet<int> keptClasses;
    for (qsizetype k = 0; k < kept.size(); ++k) {
        const int c = now[static_cast<std::size_t>(chosen.size() + k)].contentClass;
        if (c >= 0)
            keptClasses.insert(c);
    }
    QList<bool> mayGo;
    for (qsizetype i = 0; i < chosen.size(); ++i) {
        const int c = now[static_cast<std::size_t>(i)].contentClass;
        mayGo << (c >= 0 && keptClasses.contains(c));
    }
    return mayGo;
}

}  // namespace tools
