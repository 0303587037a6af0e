#include "NewFolder.h"

#include "platform/FileSystem.h"

#include <QDir>

namespace newfolder {

QString trimmedName(const QString &typed) {
    // Blanks as the program has always removed them: everything up to and
    // including the space character, at either end.
    qsizetype first = 0;
    qsizetype last = typed.size();
    while (first < last && typed.at(first).unicode() <= u' ')
        ++first;
    while (last > first && typed.at(last - 1).unicode() <= u' ')
        --last;
    return typed.mid(first, last - first);
}

QString pathFor(const QString &parent, const QString &typed) {
    return platform::withSeparator(parent) + trimmedName(typed);
}

bool create(const QString &parent, const QString &typed) {
    const QString name = trimmedName(typed);
    if (!QDir::isAbsolutePath(parent) || name.contains(QLatin1Char('/')) ||
        name.contains(QChar(u'\0')))
        return false;
    // mkdir makes one level only and refuses a folder that exists already,
    // so a blank name (the parent itself), "." and ".." all fail here.
    return QDir().mkdir(pathFor(parent, typed));
}

}  // namespace newfolder
