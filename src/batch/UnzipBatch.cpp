#include "UnzipBatch.h"

#include "ArchiveNaming.h"
#include "BatchHost.h"
#include "BatchSettings.h"
#include "BatchSteps.h"
#include "ErrorLogModel.h"
#include "ExtractedEntries.h"
#include "ExtractionGuard.h"
#include "ExtractionReadBack.h"
#include "OutcomeLine.h"
#include "engine/ZipEngine.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/WhilePumping.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <future>
#include <utility>

namespace {

// Gives a value back its old contents when the scope ends, however it ends.
template <typename T>
class RestoreOnExit {
  public:
    explicit RestoreOnExit(T &value) : value_(value), saved_(value) {}
    ~RestoreOnExit() { value_ = std::move(saved_); }
    RestoreOnExit(const RestoreOnExit &) = delete;
    RestoreOnExit &operator=(const RestoreOnExit &) = delete;
    const T &saved() const { return saved_; }

  private:
    T &value_;
    T saved_;
};

// What the engine says of an entry it could not write; the same for a
// sub-folder that is a link, which would lead the entries out of the unzip
// folder.
constexpr int kSkipped = 40;

}  // namespace

void UnzipBatch::run() {
    TZipEngine &engine = host_.engine();
    engine.UsePaths = settings_.recurse;
    engine.Overwrite = zowAlways;
    engine.Password = settings_.unzipPassword;
    expectArchives();

    batchsteps::forEachSelected(host_, host_.fileList(), [&](const batchsteps::SelectedEntry &e) {
        host_.setStatus(e.statusText(
            QCoreApplication::translate("TMainform", "Unzipping: %1/%2 - %3% - (%4)")));
        unzipEntry(e.folder, e.name);
    });
    // Finished or stopped: nothing read ahead outlives the batch.
    engine.ExpectArchives({});
    host_.setOverallProgress(0);
}

void UnzipBatch::expectArchives() {
    FileListSource &list = host_.fileList();
    const QString folder = platform::withSeparator(list.directory());
    QStringList archives;
    for (int i = 0; i < list.count(); ++i)
        if (list.isSelected(i))
            archives << folder + list.name(i);
    host_.engine().ExpectArchives(archives);
}

QString UnzipBatch::destinationFor(const QString &archiveFolder, const QString &name) const {
    // No unzip folder means the archive's own folder, where the unzip folder
    // points unless it is pinned; never the root that a bare separator names.
    const QString folder = settings_.unzipFolder.isEmpty()
                               ? archiveFolder
                               : platform::withSeparator(settings_.unzipFolder);
    if (!settings_.subFolder)
        return folder;
    return folder + archivenaming::baseName(name) + QLatin1Char('/');
}

void UnzipBatch::unzipEntry(const QString &folder, const QString &name) {
    ErrorLogModel &log = host_.errorLog();
    const QString archive = folder + name;
    const QString destination = destinationFor(folder, name);
    // The unzip folder itself may be reached through links; a sub-folder
    // the batch would make there may not, or the entries would land
    // wherever the link points.
    if (settings_.subFolder && QFileInfo(destination.chopped(1)).isSymLink()) {
        log.add(kSkipped, name);
        return;
    }

    // The archive goes only if it is still the one extracted: one replaced
    // or appended to meanwhile holds what was never extracted.
    const platform::FileIdentity opened = platform::fileIdentity(archive);
    TZipEngine &engine = host_.engine();
    ExtractedEntries extracted(destination, settings_.recurse);
    ExtractionGuard guard(engine, claims_, archive, destination);
    int r = 0;
    {
        // The entries written are watched for this archive only; a handler
        // bound before still hears of them.
        RestoreOnExit<decltype(engine.OnExtracting)> restore(engine.OnExtracting);
        engine.OnExtracting = [&extracted, bound = restore.saved()](TZipEngine *e,
                                                                    const TZeFileStats &stats) {
            if (bound)
                bound(e, stats);
            if (!stats.Directory)
                extracted.written(stats.FileName);
        };
        engine.FilesToProcess = QStringList{QStringLiteral("*")};
        engine.ZipFileName = archive;
        engine.ExtractDirectory = destination;
        r = engine.Extract(zacNormal);
    }
    guard.claimWritten(extracted);
    if (r != 0)
        log.add(r, name);
    // The later of two entries of one name wins; the earlier one is then
    // only in the archive, which is kept for it.
    for (const QString &entry : extracted.replaced())
        log.add(kReplacedByLaterEntry, name + QStringLiteral(": ") + entry);
    // An entry that met a file of an earlier archive stayed in its archive.
    for (const ExtractionGuard::Refusal &refusal : guard.refused()) {
        const QFileInfo owner(refusal.owner);
        const QString shown =
            owner.path() + QLatin1Char('/') == folder ? owner.fileName() : refusal.owner;
        log.add(kReplacesBatchFile,
                QCoreApplication::translate("TErrorLog", "%1: %2 would replace a file of %3.")
                    .arg(name, refusal.target, shown));
    }

    if (!settings_.deleteZip || r != 0 || !extracted.replaced().isEmpty() ||
        !guard.refused().isEmpty())
        return;
    // An entry of the archive's own name, extracted beside it, has taken
    // its place: what is there now is that entry, not the archive.
    if (extracted.wrote(archive))
        return;
    // The extracted files reach the disk before their only other copy goes,
    // so that a power loss cannot take both. An archive with nothing in it
    // may have left no destination folder to reach them by. The flush waits
    // for the disk while the check below reads the files through the file
    // system, so the two run side by side.
    const QString written = QFileInfo(destination).isDir() ? destination : folder;
    std::future<bool> flushed =
        std::async(std::launch::async, [written] { return platform::flushFileSystemOf(written); });
    // Extraction checked each entry as it inflated it; what the disk gives
    // back may still differ (a failing drive, a faulty file system, another
    // program writing meanwhile), and once the archive goes the files are
    // the only copy. An archive replaced meanwhile would not match either:
    // it is reported for what happened to it, and looked at again below
    // once it has been read.
    int kept = 0;
    if (settings_.testBeforeDelete) {
        host_.aboutToCheckExtraction(archive, destination);
        // Thousands of files take a while to read back: the window answers
        // meanwhile.
        if (platform::fileIdentity(archive) != opened)
            kept = kArchiveChanged;
        else if (!runWhilePumping(
                     [&] { return extractionReadsBack(archive, destination, extracted); },
                     [this] { host_.pumpMessages(); }))
            kept = kExtractionReadsBackWrong;
    }
    // Whatever the check found, the flush is waited for with the window
    // answering, not by the future's end on the way out.
    const bool reachedDisk =
        runWhilePumping([&flushed] { return flushed.get(); }, [this] { host_.pumpMessages(); });
    if (kept != 0)
        log.add(kept, name);
    else if (!reachedDisk)
        log.add(kNotDeleted, name);
    else if (platform::fileIdentity(archive) != opened)
        log.add(kArchiveChanged, name);
    else if (!platform::deleteFile(archive, [this] { host_.pumpMessages(); }))
        log.add(kNotDeleted, name);
}
