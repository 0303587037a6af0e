#include "RenamePreview.h"

#include "platform/FileListSource.h"

#include <QDir>

namespace tools {

QList<PreviewRow> previewRenames(const QStringList &selected, QSet<QString> folderNames,
                                 RenameRules rules) {
    QList<PreviewRow> rows;
    rows.reserve(selected.size());
    for (const QString &old : selected) {
        PreviewRow row{old, old, PreviewMark::Unchanged};
        const QString ruled = applyRenameRules(old, rules);
        const QString name = nameForRenaming(ruled);
        if (ruled == old || name == old) {
            row.mark = PreviewMark::Unchanged;
        } else if (!folderNames.contains(old)) {
            row.mark = PreviewMark::Missing;
        } else if (!usableFileName(name)) {
            row.newName = name;
            row.mark = PreviewMark::NoName;
        } else if (folderNames.contains(name)) {
            row.newName = name;
            row.mark = PreviewMark::Clash;
        } else {
            row.newName = name;
            row.mark = PreviewMark::Renamed;
            folderNames.remove(old);
            folderNames.insert(name);
        }
        rows.append(row);
    }
    return rows;
}

QList<PreviewRow> previewRenames(const FileListSource &files, RenameRules rules) {
    QStringList selected;
    for (int i = 0; i < files.count(); ++i)
        if (files.isSelected(i))
            selected << files.name(i);
    return previewRenames(selected, namesInFolder(files.directory()), rules);
}

QSet<QString> namesInFolder(const QString &folder) {
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    return QSet<QString>(names.begin(), names.end());
}

}  // namespace tools
