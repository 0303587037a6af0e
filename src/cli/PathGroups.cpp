#include "PathGroups.h"

#include <QDir>
#include <QHashFunctions>

#include <unordered_map>
#include <unordered_set>

namespace cli {

namespace {

// The lookups below count the names they compare, so that the tests can
// hold the grouping to a number of comparisons in proportion to the paths:
// a script hands over a hundred thousand names as readily as ten.
struct NameHash {
    std::size_t operator()(const QString &name) const { return qHash(name); }
};
struct CountingEqual {
    qint64 *comparisons;
    bool operator()(const QString &a, const QString &b) const {
        ++*comparisons;
        return a == b;
    }
};

}  // namespace

QList<PathGroup> groupByFolder(const QStringList &paths, qint64 *comparisons) {
    qint64 counted = 0;
    const CountingEqual equal{&counted};
    std::unordered_map<QString, qsizetype, NameHash, CountingEqual> groupOf(64, NameHash(), equal);
    std::unordered_set<QString, NameHash, CountingEqual> seen(
        static_cast<std::size_t>(paths.size()), NameHash(), equal);
    QList<PathGroup> groups;
    const QDir here = QDir::current();
    for (const QString &path : paths) {
        // Absolute but not resolved: a folder reached through a link keeps
        // the name it was given, as a browsed folder does.
        const QString clean = QDir::cleanPath(here.absoluteFilePath(path));
        const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
        const QString name = clean.mid(slash + 1);
        if (name.isEmpty() || !seen.insert(clean).second)
            continue;
        const QString folder = slash <= 0 ? QStringLiteral("/") : clean.left(slash);
        const auto [at, added] = groupOf.try_emplace(folder, groups.size());
        if (added)
            groups.append({folder, {}});
        groups[at->second].names.append(name);
    }
    if (comparisons)
        *comparisons = counted;
    return groups;
}

PathGroup commonFolderGroup(const QStringList &paths) {
    const QList<PathGroup> groups = groupByFolder(paths);
    if (groups.isEmpty())
        return {};
    QStringList common = groups.first().folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const PathGroup &group : groups) {
        const QStringList parts = group.folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        qsizetype same = 0;
        while (same < common.size() && same < parts.size() && common[same] == parts[same])
            ++same;
        common.resize(same);
    }
    PathGroup all{QLatin1Char('/') + common.join(QLatin1Char('/')), {}};
    // Every group's folder lies below the common one: its name relative to
    // it is what follows the common part and its separator.
    const qsizetype cut = all.folder.size() + (common.isEmpty() ? 0 : 1);
    for (const PathGroup &group : groups) {
        const QString below = group.folder.mid(cut);
        for (const QString &name : group.names)
            all.names << (below.isEmpty() ? name : below + QLatin1Char('/') + name);
    }
    return all;
}

}  // namespace cli
