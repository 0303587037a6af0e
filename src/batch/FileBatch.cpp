#include "FileBatch.h"

#include "ArchiveNaming.h"
#include "BatchHost.h"
#include "BatchSettings.h"
#include "BatchSteps.h"
#include "ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace {

// Codes of the program's own.
constexpr int kAlreadyZip = 4000;
constexpr int kNotDeleted = 4001;

// Entries whose files the engine may compress ahead of the loop: enough to
// keep every core busy while small files' archives are written.
constexpr int kEntriesAhead = 8;

}  // namespace

void FileBatch::run() {
    const QString extension =
        settings_.upperCaseExtension ? QStringLiteral(".ZIP") : QStringLiteral(".zip");
    TZipEngine &engine = host_.engine();
    engine.UsePaths = settings_.fullPaths;
    // An original is deleted only once its archive is on disk.
    engine.FlushNewArchives = settings_.deleteOriginal;

    batchsteps::forEachSelected(host_, host_.fileList(), [&](const batchsteps::SelectedEntry &e) {
        host_.setStatus(QStringLiteral("Zipping: %1/%2 - %3% - (%4)")
                            .arg(e.c)
                            .arg(e.n)
                            .arg(e.statusPercent())
                            .arg(e.name));
        if (archivenaming::isZipName(e.name)) {
            host_.errorLog().add(kAlreadyZip, e.name);
        } else {
            prepareAhead(e.folder, e.index);
            zipEntry(e.folder, e.name, extension);
        }
    });
    engine.PrepareZip({});
    host_.setOverallProgress(0);
}

void FileBatch::prepareAhead(const QString &folder, int index) {
    FileListSource &list = host_.fileList();
    QStringList files;
    for (int i = index, entries = 0; i < list.count() && entries < kEntriesAhead; ++i) {
        if (!list.isSelected(i) || archivenaming::isZipName(list.name(i)))
            continue;
        // In the order of the engine calls: the file, then the include file.
        files << folder + list.name(i);
        if (!settings_.includeFile.isEmpty())
            files << settings_.includeFile;
        ++entries;
    }
    host_.engine().PrepareZip(files);
}

void FileBatch::zipEntry(const QString &folder, const QString &name, const QString &extension) {
    const BatchSettings &settings = settings_;
    TZipEngine &engine = host_.engine();
    ErrorLogModel &log = host_.errorLog();
    const QString full = folder + name;

    engine.FilesToProcess.append(full);
    engine.ZipFileName = archivenaming::archivePath(settings.zipFolder, name, extension,
                                                    settings.keepExtension, settings.fullPaths);
    // The original goes only if it is still the file that was archived: one
    // that was replaced or written to while it was zipped stays.
    const platform::FileIdentity archived = platform::fileIdentity(full);
    int r = engine.Zip(zacNormal);
    if (r != 0)
        log.add(r, name);

    if (settings.deleteOriginal && r == 0 &&
        (!archived.exists || platform::fileIdentity(full) != archived ||
         !deleteOriginal(full, engine.ZipFileName)))
        log.add(kNotDeleted, name);

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
    return platform::deleteFile(full);
}
