#include "SaveFile.h"

#include "Dialogs.h"
#include "ReadOnlyFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#include <QCoreApplication>
#include <cstdio>
#endif

namespace platform {

bool saveWhole(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    // QSaveFile's default already; said here because the fallback would
    // truncate the old file before the new one is complete.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool saveWholeInFolder(const QString &path, const QByteArray &bytes) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return saveWhole(path, bytes);
#ifdef Q_OS_UNIX
    // QSaveFile resolves links; here the link itself gives way. The new file
    // is complete and on disk before it takes the link's name.
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush() ||
        ::fsync(file.handle()) != 0)
        return false;
    if (::rename(QFile::encodeName(file.fileName()).constData(),
                 QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
#else
    return false;
#endif
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit) {
#ifdef Q_OS_UNIX
    // Opened without waiting: a pipe would otherwise block until a writer
    // came. What was opened is then checked, not the name.
    const ReadOnlyFile file(path);
    if (!file.isOpen() || file.size() > limit)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(limit) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    // One byte past the limit tells a file that grew since it was opened.
    while (size < bytes.size()) {
        const qint64 n = file.readAt(bytes.data() + size, bytes.size() - size, size);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        size += n;
    }
    if (size > limit)
        return std::nullopt;
    bytes.truncate(size);
    return bytes;
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > limit)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > limit)
        return std::nullopt;
    return bytes;
#endif
}

QByteArray crlfLines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

void reportSaved(bool ok) {
    if (ok)
        inform(QCoreApplication::translate("Tovrane", "File Save Successfully !"));
    else
        dialogs().message(MessageKind::Error,
                          QCoreApplication::translate("Tovrane", "Error Saving File."), Ok);
}

}  // namespace platform
