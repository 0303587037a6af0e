#include "PathGroups.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

QList<PathGroup> groupByFolder(const QStringList &paths) {
    QList<PathGroup> groups;
    for (const QString &path : paths) {
        // Absolute but not resolved: a folder reached through a link keeps
        // the name it was given, as a browsed folder does.
        const QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
        const QString folder = info.path();
        const QString name = info.fileName();
        if (name.isEmpty())
            continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const PathGroup &g) { return g.folder == folder; });
        if (group == groups.end()) {
            groups.append({folder, {}});
            group = std::prev(groups.end());
        }
        if (!group->names.contains(name))
            group->names.append(name);
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
