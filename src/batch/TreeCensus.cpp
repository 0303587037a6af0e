#include "TreeCensus.h"

#include <QDir>
#include <QFileInfo>

namespace {

void walk(const QString &parent, const QString &relative, TreeCensus &census) {
    const QFileInfo folder(parent + relative);
    if (!folder.isReadable() || !folder.isExecutable()) {
        census.onlyFiles = false;
        return;
    }
    // System takes in pipes, devices and dangling links, which the deleter
    // removes too.
    const QFileInfoList entries =
        QDir(folder.filePath())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString path = relative + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() && !entry.isSymLink())
            walk(parent, path, census);
        else if (entry.isFile())  // a plain file, or a link to one
            census.files << path;
        else
            census.onlyFiles = false;
    }
}

}  // namespace

TreeCensus takeCensus(const QString &parent, const QString &name) {
    TreeCensus census;
    walk(parent, name, census);
    return census;
}
