#include "Trash.h"

#include "FileSystem.h"

#include <QCoreApplication>
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

Disposal discardFile(const QString &path, bool toTrash, const std::function<void()> &pump) {
    if (toTrash && moveToTrash(path))
        return Disposal::Trashed;
    return deleteFile(path, pump) ? Disposal::Deleted : Disposal::Failed;
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

// "1 file", "2 files". Whole phrases, so that a language can put the count
// and the noun in its own order and form.
QString counted(int count, DisposalTally::Things things) {
    const bool files = things == DisposalTally::Things::Files;
    const char *text = count == 1 ? (files ? QT_TRANSLATE_NOOP("TMainform", "%1 file")
                                           : QT_TRANSLATE_NOOP("TMainform", "%1 folder"))
                                  : (files ? QT_TRANSLATE_NOOP("TMainform", "%1 files")
                                           : QT_TRANSLATE_NOOP("TMainform", "%1 folders"));
    return QCoreApplication::translate("TMainform", text).arg(count);
}

}  // namespace

QString DisposalTally::statusText(Things things) const {
    QStringList parts;
    if (trashed_ > 0)
        parts << QCoreApplication::translate("TMainform", "%1 moved to the Trash")
                     .arg(counted(trashed_, things));
    if (deleted_ > 0) {
        const QString count =
            parts.isEmpty() ? counted(deleted_, things) : QString::number(deleted_);
        parts << (toTrash_ ? QCoreApplication::translate(
                                 "TMainform", "%1 deleted for good (no Trash on their volume)")
                           : QCoreApplication::translate("TMainform", "%1 deleted"))
                     .arg(count);
    }
    if (failed_ > 0)
        parts << QCoreApplication::translate("TMainform", "%1 could not be deleted")
                     .arg(parts.isEmpty() ? counted(failed_, things) : QString::number(failed_));
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString DisposalTally::noTrashText(Things things, const QString &folder) const {
    if (withoutTrash() == 0)
        return {};
    return QCoreApplication::translate("TMainform",
                                       "No Trash on the volume of %1: %2 deleted for good.")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)), counted(withoutTrash(), things));
}

}  // namespace platform
