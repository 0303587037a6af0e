#include "TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace testsupport {

TempFolder::TempFolder() {
    dir_.setAutoRemove(true);
}

TempFolder::~TempFolder() {
    // Make everything writable again so the folder can be removed.
    QDirIterator it(dir_.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (QFileInfo(entry).isSymLink())
            continue;
        QFile::setPermissions(
            entry,
            QFile::permissions(entry) | QFileDevice::WriteOwner | QFileDevice::ReadOwner |
                (QFileInfo(entry).isDir() ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
    }
}

QString TempFolder::write(const QString &relative, const QByteArray &bytes) const {
    const QString full = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return full;
}

QString TempFolder::mkdir(const QString &relative) const {
    const QString full = dir_.filePath(relative);
    QDir().mkpath(full);
    return full;
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setReadOnly(const QString &path, bool readOnly) {
    QFileDevice::Permissions p = QFile::permissions(path);
    p = readOnly ? (p & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                          QFileDevice::WriteGroup | QFileDevice::WriteOther))
                 : (p | QFileDevice::WriteOwner);
    QFile::setPermissions(path, p);
}

int run(const QString &program, const QStringList &arguments, QString *output,
        const QString &workingFolder) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.closeWriteChannel();
    process.waitForFinished(600000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace testsupport
