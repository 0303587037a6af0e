#include "PrivateTrash.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace testsupport {

PrivateTrash::PrivateTrash() : savedHome_(qgetenv("HOME")), savedData_(qgetenv("XDG_DATA_HOME")) {
    qputenv("HOME", QFile::encodeName(home_.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.mkdir(".local/share")));
}

PrivateTrash::~PrivateTrash() {
    qputenv("HOME", savedHome_);
    qputenv("XDG_DATA_HOME", savedData_);
}

QStringList PrivateTrash::names() const {
    return QDir(home_.path(".local/share/Trash/files"))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QString PrivateTrash::originalPath(const QString &name) const {
    QFile info(home_.path(".local/share/Trash/info/" + name + ".trashinfo"));
    if (!info.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : info.readAll().split('\n'))
        if (line.startsWith("Path="))
            return QUrl::fromPercentEncoding(line.mid(5));
    return {};
}

void PrivateTrash::remove() {
    // Under a plain file no folder can be made, not even by root.
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.write("plain-file") + "/share"));
}

void isolateUserFolders() {
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/.local/share"));
    QDir().mkpath(home.path() + "/.local/share");
}

}  // namespace testsupport
