#include "FileSystem.h"

#include "posix/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace platform {

QString withSeparator(const QString &folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool isHiddenName(const QString &name) {
    return name.startsWith(QLatin1Char('.'));
}

bool isReadOnly(const QString &path) {
    return QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

bool clearAttributes(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (info.isSymLink())
        return true;  // a link's own bits mean nothing here
    QFileDevice::Permissions wanted = QFile::permissions(path) | QFileDevice::WriteOwner;
    if (info.isDir())
        wanted |= QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    return QFile::setPermissions(path, wanted);
}

bool deleteFile(const QString &path) {
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return false;
    clearAttributes(path);
    return QFile::remove(path);
}

FileIdentity fileIdentity(const QString &path) {
    FileIdentity identity;
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return identity;
    identity.exists = true;
    identity.device = static_cast<quint64>(info.st_dev);
    identity.inode = static_cast<quint64>(info.st_ino);
    identity.size = static_cast<qint64>(info.st_size);
    identity.mtimeNanoseconds =
        static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.ctimeNanoseconds =
        static_cast<qint64>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    return identity;
}

namespace {

// Only "*" and "?" are wildcards on Windows; brackets are plain characters.
QRegularExpression maskExpression(const QString &mask) {
    QString pattern;
    for (const QChar c : mask) {
        if (c == QLatin1Char('*'))
            pattern += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            pattern += QLatin1Char('.');
        else
            pattern += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(
        QRegularExpression::anchoredPattern(pattern),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

void sortWithoutCase(QStringList &names) {
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

}  // namespace

bool matchesMask(const QString &name, const QString &mask) {
    return MaskMatcher(mask).matches(name);
}

MaskMatcher::MaskMatcher(const QString &mask) {
    const QStringList masks = mask.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (masks.isEmpty())
        everything_ = true;
    for (const QString &untrimmed : masks) {
        const QString m = untrimmed.trimmed();
        if (m == QLatin1String("*.*") || m == QLatin1String("*")) {
            everything_ = true;
            continue;
        }
        Part part{maskExpression(m), {}, false};
        QString rest = m;
        while (rest.endsWith(QLatin1String(".*"))) {
            rest.chop(2);
            if (rest == QLatin1String("*.*") || rest == QLatin1String("*")) {
                part.everythingWithoutDot = true;
                break;
            }
            part.withoutDot << maskExpression(rest);
        }
        // A mask that ends in a dot names what comes before an empty
        // extension: "*." is every name without one, "read*." matches "readme".
        if (m.size() > 1 && m.endsWith(QLatin1Char('.')))
            part.withoutDot << maskExpression(m.chopped(1));
        parts_ << part;
    }
}

bool MaskMatcher::matches(const QString &name) const {
    if (everything_)
        return true;
    const bool dotless = !name.contains(QLatin1Char('.'));
    for (const Part &part : parts_) {
        if (part.expression.match(name).hasMatch())
            return true;
        if (!dotless)
            continue;
        if (part.everythingWithoutDot)
            return true;
        for (const QRegularExpression &shorter : part.withoutDot)
            if (shorter.match(name).hasMatch())
                return true;
    }
    return false;
}

QStringList listFiles(const QString &folder, const QString &mask, bool includeHidden) {
    QDir::Filters filters = QDir::Files;
    if (includeHidden)
        filters |= QDir::Hidden;
    const MaskMatcher matcher(mask);
    QStringList names;
    for (const QString &name : QDir(folder).entryList(filters, QDir::Unsorted)) {
        if (!includeHidden && isHiddenName(name))
            continue;
        if (matcher.matches(name))
            names << name;
    }
    sortWithoutCase(names);
    return names;
}

QStringList listFolders(const QString &folder, bool includeHidden) {
    QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot;
    if (includeHidden)
        filters |= QDir::Hidden;
    QStringList names;
    for (const QString &name : QDir(folder).entryList(filters, QDir::Unsorted)) {
        if (!includeHidden && isHiddenName(name))
            continue;
        names << name;
    }
    sortWithoutCase(names);
    return names;
}

bool flushFileSystemOf(const QString &folder) {
    const posix::FileDescriptor dir =
        posix::FileDescriptor::readOnly(QFile::encodeName(folder).toStdString(), O_DIRECTORY);
    return dir && ::syncfs(dir.get()) == 0;
}

}  // namespace platform
