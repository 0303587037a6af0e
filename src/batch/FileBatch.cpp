#include "FileBatch.h"

#include "AddedEntries.h"
#include "ArchiveNaming.h"
#include "BatchHost.h"
#include "BatchSettings.h"
#include "BatchSteps.h"
#include "ErrorLogModel.h"
#include "OutcomeLine.h"
#include "engine/ZipEngine.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/NameLock.h"
#include "platform/WhilePumping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <future>
#include <utility>

void FileBatch::run() {
    const QString extension =
        settings_.upperCaseExtension ? QStringLiteral(".ZIP") : QStringLiteral(".zip");
    TZipEngine &engine = host_.engine();
    engine.UsePaths = settings_.fullPaths;
    expectZips();

    batchsteps::forEachSelected(host_, host_.fileList(), [&](const batchsteps::SelectedEntry &e) {
        host_.setStatus(
            e.statusText(QCoreApplication::translate("TMainform", "Zipping: %1/%2 - %3% - (%4)")));
        if (archivenaming::isZipName(e.name)) {
            host_.errorLog().add(kAlreadyZipped, e.name);
        } else {
            zipEntry(e.folder, e.name, extension);
        }
    });
    host_.setOverallProgress(0);
}

void FileBatch::expectZips() {
    FileListSource &list = host_.fileList();
    const QString folder = platform::withSeparator(list.directory());
    QStringList files;
    for (int i = 0; i < list.count(); ++i) {
        if (!list.isSelected(i) || archivenaming::isZipName(list.name(i)))
            continue;
        // In the order of the engine calls: the file, then the include file.
        files << folder + list.name(i);
        if (!settings_.includeFile.isEmpty())
            files << settings_.includeFile;
    }
    host_.engine().ExpectZips(files);
}

void FileBatch::zipEntry(const QString &folder, const QString &name, const QString &extension) {
    const BatchSettings &settings = settings_;
    TZipEngine &engine = host_.engine();
    ErrorLogModel &log = host_.errorLog();
    const QString full = folder + name;

    const QString archive = archivenaming::archivePath(settings.zipFolder, name, extension,
                                                       settings.keepExtension, settings.fullPaths);
    // Two files of one name from two folders meet in one archive: the second
    // would replace the first's entry, and the first would then exist
    // nowhere once its original is deleted. An entry that was there before
    // the batch is replaced as always.
    const QString entry = settings.fullPaths ? QDir::cleanPath(full) : name;
    const QString claim = QDir::cleanPath(archive) + QLatin1Char('\n') + entry;
    if (claims_.takenFrom(claim, full)) {
        log.add(kEntryTaken,
                QCoreApplication::translate(
                    "TErrorLog", "%1: %2 already holds %3 from another file of this batch.")
                    .arg(full, QFileInfo(archive).fileName(), entry));
        return;
    }
    // Another run (a window, tovrane-batch) may add to the same archive:
    // each reads, changes and renames it only while holding its name, so
    // neither rename drops what the other added. Held until the original is
    // gone and the include file and the date are in.
    platform::NameLock lock(archive);
    if (!batchsteps::waitForLock(host_, lock))
        return;
    engine.FilesToProcess.append(full);
    engine.ZipFileName = archive;
    // The original goes only if it is still the file that was archived: one
    // that was replaced or written to while it was zipped stays. A batch
    // that keeps its originals has nothing to check.
    const platform::FileIdentity archived =
        settings.deleteOriginal ? platform::fileIdentity(full) : platform::FileIdentity{};
    int r = 0;
    bool held = false;
    // A new archive reaches the disk before its original goes. The engine
    // would wait for the disk on the window's thread, where one slow flush
    // freezes the window; here the flush runs on a thread of its own, beside
    // the read-back test, and the window answers while it waits.
    const bool flush = std::exchange(engine.FlushNewArchives, false);
    std::future<bool> flushed;
    {
        const AddedEntries added(engine);
        r = engine.Zip(zacNormal);
        engine.FlushNewArchives = flush;
        if (r == 0 && flush)
            flushed = std::async(std::launch::async,
                                 [archive] { return platform::flushFileAndFolder(archive); });
        // What is under the archive's name now, not what the engine wrote:
        // the original's entry with its size and CRC.
        held = r == 0 && settings.deleteOriginal &&
               added.heldBy(archive, [&](const QByteArray &) { return archived.size; });
    }
    if (r != 0)
        log.add(r, name);
    else
        claims_.claim(claim, full);

    const auto reachedDisk = [&] {
        return !flush || (flushed.valid() && runWhilePumping([&flushed] { return flushed.get(); },
                                                             [this] { host_.pumpMessages(); }));
    };
    if (settings.deleteOriginal && r == 0 && held && settings.testBeforeDelete &&
        !batchsteps::archiveReadsBack(host_, archive)) {
        // Held by the name lock, so no other run of ours changed it since.
        log.add(kArchiveFailedTest, name);
    } else if (settings.deleteOriginal && r == 0 &&
               (!archived.exists || !held || !reachedDisk() ||
                platform::fileIdentity(full) != archived ||
                !deleteOriginal(full, engine.ZipFileName))) {
        log.add(kNotDeleted, name);
    }
    // Whatever became of the original, the flush ends before the archive's
    // name is let go.
    if (flushed.valid())
        runWhilePumping([&flushed] { return flushed.get(); }, [this] { host_.pumpMessages(); });

    if (!settings.includeFile.isEmpty()) {
        engine.FilesToProcess.append(settings.includeFile);
        r = engine.Zip(zacNormal);
        if (r != 0)
            log.add(r, settings.includeFile);
    }
    if (settings.dateStamp)
        engine.StampZipDate();
}

bool FileBatch::deleteOriginal(const QString &full, const QString &archive) {
    // The engine reports success only for a complete archive; an archive
    // that is not there after all keeps the original where it is.
    const QFileInfo made(archive);
    if (!made.isFile() || made.size() == 0)
        return false;
    return platform::deleteFile(full, [this] { host_.pumpMessages(); });
}
