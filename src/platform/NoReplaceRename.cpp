#include "NoReplaceRename.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace platform {

namespace {

// 0 or the error number.
int renameNoReplace(const QByteArray &from, const QByteArray &to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without the flag: a hard link fails on an existing name
    // just the same.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    if (::unlink(from.constData()) != 0) {
        const int error = errno;
        ::unlink(to.constData());
        return error;
    }
    return 0;
}

bool sameFile(const QByteArray &a, const QByteArray &b) {
    struct stat sa {
    }, sb{};
    return ::lstat(a.constData(), &sa) == 0 && ::lstat(b.constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

bool renameWithoutReplacing(const QString &from, const QString &to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int error = renameNoReplace(source, target);
    if (error == 0)
        return true;
    if (error != EEXIST || from.compare(to, Qt::CaseInsensitive) != 0 || !sameFile(source, target))
        return false;
    // The volume sees the new name as the old one. The change goes through
    // a name of its own, so that where the two names are really two entries
    // (hard links on a case-sensitive volume) the second step fails and the
    // file gets its old name back.
    const QByteArray step =
        QFile::encodeName(QFileInfo(to).path() + QStringLiteral("/.rename-%1")
                                                     .arg(QRandomGenerator::global()->generate64(),
                                                          16, 16, QLatin1Char('0')));
    if (renameNoReplace(source, step) != 0)
        return false;
    if (renameNoReplace(step, target) == 0)
        return true;
    renameNoReplace(step, source);
    return false;
}

}  // namespace platform
