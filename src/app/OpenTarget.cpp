#include "OpenTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

OpenTarget openTargetOf(const QStringList &paths) {
    OpenTarget target;
    bool folderChosen = false;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.exists()) {
            ++target.missing;
            continue;
        }
        if (target.folder.isEmpty()) {
            folderChosen = info.isDir();
            target.folder = folderChosen ? info.absoluteFilePath() : info.absolutePath();
            if (!folderChosen)
                target.files << info.fileName();
            continue;
        }
        if (!folderChosen && !info.isDir() && info.absolutePath() == target.folder)
            target.files << info.fileName();
        else
            ++target.leftOut;
    }
    target.folder = QDir::cleanPath(target.folder);
    target.files.removeDuplicates();
    return target;
}

QString openedStatusText(const OpenTarget &target, int selected, int hidden) {
    QStringList parts;
    if (!target.files.isEmpty())
        parts << QCoreApplication::translate("TMainform", "%1 files selected.").arg(selected);
    if (hidden > 0)
        parts << QCoreApplication::translate("TMainform", "%1 not shown under the file filter.")
                     .arg(hidden);
    if (target.leftOut > 0 && target.files.isEmpty())
        parts << QCoreApplication::translate("TMainform",
                                             "Only the first folder is shown: %1 more left out.")
                     .arg(target.leftOut);
    else if (target.leftOut > 0)
        parts << QCoreApplication::translate("TMainform",
                                             "Only the files of %1 are selected: %2 more left out.")
                     .arg(QDir::toNativeSeparators(target.folder))
                     .arg(target.leftOut);
    if (target.missing > 0)
        parts << QCoreApplication::translate("TMainform", "%1 not found.").arg(target.missing);
    return parts.join(QLatin1Char(' '));
}
