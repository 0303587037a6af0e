#include "FolderBatch.h"

#include "AddedEntries.h"
#include "ArchiveListing.h"
#include "ArchiveNaming.h"
#include "BatchHost.h"
#include "BatchSettings.h"
#include "BatchSteps.h"
#include "DelTree.h"
#include "ErrorLogModel.h"
#include "OutcomeLine.h"
#include "TreeCensus.h"
#include "engine/ZeAbi.h"
#include "engine/ZipEngine.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/NameLock.h"
#include "platform/Rounding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <QCoreApplication>
#include <algorithm>

namespace {

// Hidden files are part of a folder's tree: an archive that left them out
// could not stand for the folder it replaces. The component's own choice
// comes back after the batch.
class HiddenFilesIncluded {
  public:
    explicit HiddenFilesIncluded(TZipEngine &engine)
        : engine_(engine), saved_(engine.IncludeHiddenFiles) {
        engine_.IncludeHiddenFiles = true;
    }
    ~HiddenFilesIncluded() { engine_.IncludeHiddenFiles = saved_; }

  private:
    TZipEngine &engine_;
    bool saved_;
};

// While it lives, the deleter removes only the files in `archived` and
// stops at any other, so a file that appeared after the archive was
// checked is never lost with its folder.
class DeleteOnlyArchived {
  public:
    DeleteOnlyArchived(TDelTree &deleter, QSet<QString> archived)
        : deleter_(deleter), saved_(std::move(deleter.OnProcessFile)) {
        deleter_.OnProcessFile = [archived = std::move(archived)](TDelTree &, const QString &file,
                                                                  const QFileInfo &, bool &cancel) {
            cancel = !archived.contains(file);
        };
    }
    ~DeleteOnlyArchived() { deleter_.OnProcessFile = std::move(saved_); }

  private:
    TDelTree &deleter_;
    TDelTree::TDelTreeEvent saved_;
};

// The entry names the files of `census` have in an archive.
QList<QByteArray> entryNamesOf(const TreeCensus &census, bool fullPaths) {
    QList<QByteArray> names;
    for (const QString &file : census.files)
        names << QFile::encodeName(fullPaths ? file : QFileInfo(file).fileName());
    return names;
}

// The archive holds every file of the tree, each under its own entry, and
// nothing besides them.
bool holdsTree(const QString &archive, const TreeCensus &census, bool fullPaths) {
    if (!census.onlyFiles)
        return false;
    const std::optional<QList<QByteArray>> stored = archiveEntryNames(archive);
    if (!stored)
        return false;
    QSet<QByteArray> held;
    for (const QByteArray &name : *stored)
        if (!name.endsWith('/'))
            held.insert(name);
    const QList<QByteArray> wanted = entryNamesOf(census, fullPaths);
    const QSet<QByteArray> distinct(wanted.begin(), wanted.end());
    if (distinct.size() != wanted.size() || held.size() != wanted.size())
        return false;
    return std::all_of(wanted.begin(), wanted.end(),
                       [&](const QByteArray &name) { return held.contains(name); });
}

}  // namespace

void FolderBatch::run() {
    const QString extension =
        settings_.upperCaseExtension ? QStringLiteral(".ZIP") : QStringLiteral(".zip");
    TZipEngine &engine = host_.engine();
    engine.UsePaths = settings_.fullPaths;
    engine.Recurse = true;
    const HiddenFilesIncluded hidden(engine);

    FileListSource &folders = host_.folderList();
    batchsteps::forEachSelected(host_, folders, [&](const batchsteps::SelectedEntry &e) {
        host_.setStatus(
            QCoreApplication::translate("TMainform", "Zipping folders...  (%1/%2)  (%3)")
                .arg(e.c)
                .arg(e.n)
                .arg(e.name));
        zipFolder(e.folder, e.name, extension);
        // The engine took the folder relative to the current directory, and
        // the deleter may have moved it: both are undone here.
        QDir::setCurrent(folders.directory());
    });
    host_.refreshFolders();
    host_.setOverallProgress(0);
}

void FolderBatch::zipFolder(const QString &base, const QString &name, const QString &extension) {
    TZipEngine &engine = host_.engine();
    ErrorLogModel &log = host_.errorLog();
    // The pattern below is relative: anywhere but the browsed folder it
    // would take some other folder of that name. A browsed folder that is
    // gone or cannot be entered leaves nothing to do for this folder.
    if (!QDir::setCurrent(base)) {
        log.add(ZE_ERR_NOTHING, name);
        return;
    }
    // Archive names are upper-cased: "Docs" and "docs", or two folders of
    // one name from two places, meet in one archive. The second tree must
    // not go into the first one's archive, which would then no longer stand
    // for either folder.
    const QString archive = archivenaming::folderArchivePath(settings_.zipFolder, name, extension);
    const QString claim = QDir::cleanPath(archive);
    const QString folder = base + name;
    if (claims_.takenFrom(claim, folder)) {
        const QFileInfo owner(claims_.ownerOf(claim));
        const QString shown =
            owner.path() + QLatin1Char('/') == base ? owner.fileName() : owner.filePath();
        log.add(kArchiveNameTaken,
                QCoreApplication::translate(
                    "TErrorLog", "%1: its archive %2 is taken by folder %3 of this batch.")
                    .arg(name, QFileInfo(archive).fileName(), shown));
        return;
    }
    // Another run may add to the same archive: see FileBatch.
    platform::NameLock lock(archive);
    if (!batchsteps::waitForLock(host_, lock))
        return;
    // Relative to the browsed folder, stored paths begin with the folder's
    // own name.
    engine.FilesToProcess.append(name + QStringLiteral("/*"));
    engine.ZipFileName = archive;
    int r = 0;
    {
        const AddedEntries added(engine);
        r = engine.Zip(zacNormal);
        if (r != 0)
            log.add(r, name);
        else
            claims_.claim(claim, folder);

        if (r == 0 && settings_.deleteFolder)
            if (const int kept = removeZippedFolder(base, name, archive, added); kept != 0)
                log.add(kept, name);
    }

    if (!settings_.includeFile.isEmpty()) {
        engine.FilesToProcess.append(settings_.includeFile);
        r = engine.Zip(zacNormal);
        if (r != 0)
            log.add(r, settings_.includeFile);
    }
    if (settings_.dateStamp)
        engine.StampZipDate();
}

int FolderBatch::removeZippedFolder(const QString &base, const QString &name,
                                    const QString &archive, const AddedEntries &added) {
    // Taken after the archive was made: a file that arrived meanwhile is
    // found here and missing there, so the folder stays. Nothing is deleted
    // then, and the line says what is wrong: the archive, not the deletion.
    const TreeCensus census = takeCensus(base, name);
    if (!holdsTree(archive, census, settings_.fullPaths))
        return kArchiveLacksFiles;
    // Each file's entry as it was read, under the archive's name now: a file
    // that changed since, or an archive replaced since, keeps the folder.
    QHash<QByteArray, QString> fileOf;
    const QList<QByteArray> names = entryNamesOf(census, settings_.fullPaths);
    for (qsizetype i = 0; i < names.size(); ++i)
        fileOf.insert(names[i], base + census.files[i]);
    if (added.names().size() != names.size() ||
        !added.heldBy(archive, [&](const QByteArray &entry) {
            const auto file = fileOf.constFind(entry);
            return file == fileOf.constEnd() ? qint64(-1) : QFileInfo(*file).size();
        }))
        return kArchiveLacksFiles;
    if (settings_.testBeforeDelete && !batchsteps::archiveReadsBack(host_, archive))
        return kFolderArchiveFailedTest;
    QSet<QString> archived;
    for (const QString &file : census.files)
        archived.insert(base + file);
    TDelTree &deleter = host_.deleter();
    const DeleteOnlyArchived guard(deleter, std::move(archived));
    deleter.Path = base + name;
    return deleter.RemoveTree([this] { host_.pumpMessages(); }) ? 0 : kTreeNotDeleted;
}
