#include "FileBatch.h"

#include "ArchiveNaming.h"
#include "BatchHost.h"
#include "BatchSettings.h"
#include "BatchSteps.h"
#include "ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "platform/FileSystem.h"
#include "platform/Rounding.h"
#include "widgets/FileListSource.h"

#include <QFileInfo>

namespace {

// Codes of the program's own.
constexpr int kAlreadyZip = 4000;
constexpr int kNotDeleted = 4001;

}  // namespace

void FileBatch::run() {
    const QString extension =
        settings_.upperCaseExtension ? QStringLiteral(".ZIP") : QStringLiteral(".zip");
    TZipEngine &engine = host_.engine();
    engine.UsePaths = settings_.fullPaths;

    FileListSource &files = host_.fileList();
    const int n = files.selectedCount();
    int c = 1;
    for (int i = 0; i < files.count(); ++i) {
        if (batchsteps::stopRequested(host_))
            break;
        if (n > 0)
            host_.setOverallProgress(platform::roundHalfEven(c * 100.0 / n));
        const QString folder = platform::withSeparator(files.directory());
        const QString name = files.name(i);
        if (!files.isSelected(i))
            continue;
        // The entry at which the pause began is processed even if Stop
        // ended the pause; the loop sees the stop at the next entry.
        batchsteps::waitWhilePaused(host_);
        host_.errorLog().scrollToEnd();
        const int p = platform::roundHalfEven(c * 100.0 / n) - 1;
        host_.setStatus(
            QStringLiteral("Zipping: %1/%2 - %3% - (%4)").arg(c).arg(n).arg(p).arg(name));
        if (archivenaming::isZipName(name))
            host_.errorLog().add(kAlreadyZip, name);
        else
            zipEntry(folder, name, extension);
        ++c;
    }
    host_.rereadFileList();
    host_.setOverallProgress(0);
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
