#include "RezipWorkFolder.h"

#include "TemporaryName.h"
#include "batch/DelTree.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

bool removeTree(const QString &path) {
    // The deleter removes links as links and read-only folders too.
    TDelTree deleter;
    deleter.Path = path;
    return deleter.RemoveTree();
}

}  // namespace

RezipWorkFolder::RezipWorkFolder(const QString &parent) {
    const QString folder = parent.isEmpty() ? QDir::tempPath() : parent;
    zelib::sweepLeftoverFolders(
        QFile::encodeName(folder).toStdString(),
        [](const std::string &path) { return removeTree(QFile::decodeName(path.c_str())); });
    const std::string name = zelib::temporaryName("rezip", getpid(), zelib::randomTag());
    const QString path = folder + QLatin1Char('/') + QFile::decodeName(name.c_str());
    const QByteArray encoded = QFile::encodeName(path);
    // mkdir takes the mode less the umask, which can only take away.
    if (::mkdir(encoded.constData(), 0700) != 0)
        return;
    path_ = path;
    lock_ = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (lock_ >= 0 && ::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock_);
        lock_ = -1;
    }
}

RezipWorkFolder::~RezipWorkFolder() {
    if (!path_.isEmpty())
        removeTree(path_);
    if (lock_ >= 0)
        ::close(lock_);
}

}  // namespace cli
