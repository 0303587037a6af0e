#include "Trash.h"

#include "FileSystem.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

namespace {

// Qt falls back to the home Trash ($XDG_DATA_HOME/Trash) for a volume
// without a Trash of its own, and when it cannot make that folder it uses
// an empty path, which is the current folder: the "trashed" file would
// land in ./files. So the home Trash must exist before Qt is asked.
bool homeTrashReady() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return !data.isEmpty() && QDir().mkpath(data + QStringLiteral("/Trash"));
}

}  // namespace

bool moveToTrash(const QString &path) {
    // Renamed into the Trash: a volume without one, or a Trash on another
    // volume (Qt falls back to the home Trash), fails and leaves it as it is.
    return homeTrashReady() && QFile::moveToTrash(path);
}

Disposal discardFile(const QString &path, bool toTrash) {
    if (toTrash && moveToTrash(path))
        return Disposal::Trashed;
    return deleteFile(path) ? Disposal::Deleted : Disposal::Failed;
}

void DisposalTally::add(Disposal disposal) {
    switch (disposal) {
        case Disposal::Trashed:
            ++trashed_;
            break;
        case Disposal::Deleted:
            ++deleted_;
            break;
        case Disposal::Failed:
            ++failed_;
            break;
    }
}

namespace {

// "1 file", "2 files": `things` is the plural.
QString counted(int count, const QString &things) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? things.chopped(1) : things);
}

}  // namespace

QString DisposalTally::statusText(const QString &things) const {
    QStringList parts;
    if (trashed_ > 0)
        parts << counted(trashed_, things) + QStringLiteral(" moved to the Trash");
    if (deleted_ > 0) {
        QString deleted = parts.isEmpty() ? counted(deleted_, things) : QString::number(deleted_);
        deleted += QStringLiteral(" deleted");
        if (toTrash_)
            deleted += QStringLiteral(" for good (no Trash on their volume)");
        parts << deleted;
    }
    if (failed_ > 0)
        parts << (parts.isEmpty() ? counted(failed_, things) : QString::number(failed_)) +
                     QStringLiteral(" could not be deleted");
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString DisposalTally::noTrashText(const QString &things, const QString &folder) const {
    if (withoutTrash() == 0)
        return {};
    return QStringLiteral("No Trash on the volume of %1: %2 deleted for good.")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)), counted(withoutTrash(), things));
}

}  // namespace platform
