#include "RezipTempArchive.h"

#include "platform/FileSystem.h"
#include "platform/WhilePumping.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace {

bool standsThere(const QFileInfo &info) {
    return info.exists() || info.isSymLink();
}

bool syncFile(const QString &path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

RezipTempArchive::~RezipTempArchive() {
    if (!started_ || replaced_)
        return;
    const QFileInfo info(path_);
    if (info.isFile() || info.isSymLink())
        QFile::remove(path_);
}

bool RezipTempArchive::start() {
    const QFileInfo info(path_);
    if (!info.isDir() || info.isSymLink())
        QFile::remove(path_);
    started_ = !standsThere(QFileInfo(path_));
    return started_;
}

bool RezipTempArchive::replace(const QString &target, const std::function<void()> &pump) {
    // A large archive takes a while to reach the disk: `pump` keeps the
    // window answering meanwhile.
    if (!started_ || !QFileInfo(path_).isFile() ||
        !runWhilePumping([this] { return syncFile(path_); }, pump))
        return false;
    // Meant to replace: rename() puts the new archive in place in one step.
    // It frees the old archive's blocks as it goes, which for a large one
    // takes as long as deleting a large file: the window answers meanwhile,
    // and while a copy to another volume runs.
    const int error = runWhilePumping(
        [this, &target] {
            return std::rename(QFile::encodeName(path_).constData(),
                               QFile::encodeName(target).constData()) == 0
                       ? 0
                       : errno;
        },
        pump);
    if (error == 0) {
        replaced_ = true;
        return true;
    }
    if (error != EXDEV || !runWhilePumping([this, &target] { return copyOver(target); }, pump))
        return false;
    replaced_ = true;
    platform::deleteFile(path_, pump);
    return true;
}

bool RezipTempArchive::copyOver(const QString &target) const {
    if (!QFileInfo(target).isFile())
        return false;
    QFile in(path_);
    // QSaveFile writes beside the target and renames only on commit.
    QSaveFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(block.data(), block.size());
        if (n < 0)
            return false;  // the save file is discarded
        if (n == 0)
            break;
        if (out.write(block.constData(), n) != n)
            return false;
    }
    return out.commit();
}
