#include "DelTree.h"

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

bool TDelTree::RemoveTree(const std::function<void()> &pump) {
    reported_ = false;
    if (Path.size() > 1 && Path.endsWith(QLatin1Char('/')))
        Path.chop(1);

    const QFileInfo target(Path);
    // A link that stands for a folder goes as a link; what it points to is
    // never emptied.
    if (target.isSymLink()) {
        if (QFile::remove(Path))
            return true;
        report(QCoreApplication::translate("TMainform", "Cannot delete file %s"), Path);
        return false;
    }
    if (!target.isDir()) {
        report(QCoreApplication::translate("TMainform", "The directory %s doesn't exist"), Path);
        return true;
    }
    // A current directory inside the tree would outlive it; step out first.
    const QString tree = QDir::cleanPath(target.absoluteFilePath());
    const QString current = QDir::cleanPath(QDir::currentPath());
    if (current == tree || current.startsWith(platform::withSeparator(tree)))
        QDir::setCurrent(QFileInfo(tree).absolutePath());
    return removeFolder(Path, pump);
}

bool TDelTree::removeFolder(const QString &folder, const std::function<void()> &pump) {
    bool result = true;
    const QString prefix = platform::withSeparator(folder);
    // A folder's contents can only be listed and removed once it is readable,
    // writable and searchable.
    platform::clearAttributes(folder);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString full = prefix + entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            if (!removeFolder(full, pump))
                result = false;
            continue;
        }
        if (OnProcessFile) {
            bool cancel = false;
            OnProcessFile(*this, full, entry, cancel);
            if (cancel) {
                report(QCoreApplication::translate("TMainform", "DelTree aborted by user !"),
                       QString());
                return false;
            }
        }
        if (!platform::deleteFile(full, pump)) {
            report(QCoreApplication::translate("TMainform", "Cannot delete file %s"), full);
            return false;
        }
    }
    platform::clearAttributes(folder);
    if (!QDir().rmdir(folder)) {
        report(QCoreApplication::translate("TMainform", "Cannot delete directory %s"), folder);
        result = false;
    }
    return result;
}

void TDelTree::report(const QString &format, const QString &argument) {
    if (Verbose && !reported_) {
        QString text = format;
        text.replace(QStringLiteral("%s"), argument);
        platform::inform(text);
    }
    reported_ = true;
}
