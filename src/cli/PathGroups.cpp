#include "PathGroups.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace cli {

QList<PathGroup> groupByFolder(const QStringList &paths) {
    QList<PathGroup> groups;
    // Looked up by hash: a command line of thousands of names stays linear.
    QHash<QString, qsizetype> groupOf;
    QSet<QString> seen;
    const QDir current = QDir::current();
    for (const QString &path : paths) {
        // Absolute but not resolved: a folder reached through a link keeps
        // the name it was given, as a browsed folder does.
        const QFileInfo info(QDir::cleanPath(current.absoluteFilePath(path)));
        const QString folder = info.path();
        const QString name = info.fileName();
        if (name.isEmpty())
            continue;
        qsizetype group = groupOf.value(folder, -1);
        if (group < 0) {
            group = groups.size();
            groupOf.insert(folder, group);
            groups.append({folder, {}});
        }
        const qsizetype before = seen.size();
        seen.insert(info.filePath());
        if (seen.size() > before)
            groups[group].names.append(name);
    }
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
        common = common.mid(0, same);
    }
    PathGroup all{QLatin1Char('/') + common.join(QLatin1Char('/')), {}};
    const QDir base(all.folder);
    for (const PathGroup &group : groups)
        for (const QString &name : group.names)
            all.names << base.relativeFilePath(platform::withSeparator(group.folder) + name);
    return all;
}

}  // namespace cli
