#include "RezipBatch.h"

#include "BatchHost.h"
#include "BatchSettings.h"
#include "BatchSteps.h"
#include "DelTree.h"
#include "ErrorLogModel.h"
#include "OutcomeLine.h"
#include "RezipFilters.h"
#include "RezipTempArchive.h"
#include "ScopedCurrentDirectory.h"
#include "engine/ZipEngine.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/MessagePace.h"
#include "platform/Rounding.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <utility>

namespace {

constexpr QDir::Filters kEveryEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool isEmptyFolder(const QString &folder) {
    const QFileInfo info(folder);
    return info.isDir() && !info.isSymLink() && QDir(folder).isEmpty(kEveryEntry);
}

// The files below `folder`, as paths relative to it: the entries the
// rebuilt archive must hold.
QStringList filesBelow(const QString &folder) {
    const QDir root(folder);
    QStringList paths;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << root.relativeFilePath(it.next());
    return paths;
}

// The extraction of a password archive is decrypted data: only the user
// may enter the folder that holds it.
bool makePrivateFolder(const QString &folder) {
    return QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool sameFile(const QString &a, const QString &b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

void RezipBatch::run() {
    removeRezipFolder();
    makePrivateFolder(settings_.rezipFolder);
    TZipEngine &engine = host_.engine();
    engine.Recurse = true;
    engine.UsePaths = true;
    engine.Compression = settings_.compressionLevel;

    FileListSource &files = host_.fileList();
    const QString folder = platform::withSeparator(QDir(files.directory()).absolutePath());
    const int count = files.count();
    // A selected archive of the temporary name is the user's, not a
    // leftover to remove: no archive can be rebuilt beside it.
    // Nothing stands under that name as a rule: then no entry can be it, and
    // thousands of entries need not each be resolved on the window's
    // thread before the first archive.
    temporaryTaken_ = false;
    const QString temporary = temporaryPath();
    const bool present = QFileInfo::exists(temporary);
    MessagePace pace;
    for (int i = 0; present && i < count; ++i) {
        if (pace.due())
            host_.pumpMessages();
        if (files.isSelected(i) && sameFile(folder + files.name(i), temporary)) {
            temporaryTaken_ = true;
            break;
        }
    }
    // The list is locked while the batch runs: its selection is counted once.
    const int n = files.selectedCount();
    int k = 0;
    // Small archives rebuild in a fraction of a millisecond without the
    // engine letting a message run: the loop does, by the clock, so that
    // Pause and Stop stay within reach over thousands of them.
    pace = MessagePace();
    for (int i = 0; i < count && i < files.count(); ++i) {
        batchsteps::waitWhilePaused(host_);
        if (pace.due())
            host_.pumpMessages();
        if (n > 0)
            host_.setOverallProgress(platform::roundHalfEven(i * 100.0 / count));
        // After Stop the rest of the selection is passed over, to the end.
        if (!files.isSelected(i) || batchsteps::stopRequested(host_))
            continue;
        const QString name = files.name(i);
        host_.setStatus(QCoreApplication::translate("TMainform", "Re-zipping: %1/%2 - %3%  (%4)")
                            .arg(QString::number(k), QString::number(n),
                                 QString::number(platform::roundHalfEven(k * 100.0 / n)), name));
        rezipEntry(folder, name);
        // The next archive starts from an empty extraction folder.
        removeRezipFolder();
        ++k;
    }
    host_.setOverallProgress(0);
}

QString RezipBatch::temporaryPath() const {
    // Absolute: the archive is built from inside the extraction folder.
    return QFileInfo(settings_.workFolder + temporaryName()).absoluteFilePath();
}

void RezipBatch::rezipEntry(const QString &folder, const QString &name) {
    ErrorLogModel &log = host_.errorLog();
    const QString archive = folder + name;
    // Files left from another archive would flow into this one.
    if (!freshRezipFolder()) {
        log.add(ZE_ERR_NOTHING, name);
        return;
    }
    // The old archive is replaced only if it is still the one extracted:
    // what someone else put under its name meanwhile is theirs.
    const platform::FileIdentity opened = platform::fileIdentity(archive);
    int r = extract(archive);
    if (r != 0)
        log.add(r, name);
    for (const QString &pattern : filters_)
        rezipfilters::removeMatching(settings_.rezipFolder, pattern,
                                     [this] { host_.pumpMessages(); });
    if (r != 0)
        return;

    RezipTempArchive temporary(temporaryPath());
    if (temporaryTaken_ || !temporary.start()) {
        log.add(ZE_ERR_CLOSE, name);
        return;
    }
    const QStringList kept = filesBelow(settings_.rezipFolder);
    r = rebuild(temporary.path());
    if (r != 0) {
        log.add(r, name);
        return;
    }
    if (!settings_.includeFile.isEmpty()) {
        // Into the temporary archive; the archive is replaced even when
        // this fails.
        TZipEngine &engine = host_.engine();
        engine.FilesToProcess.append(settings_.includeFile);
        const int included = engine.Zip(zacNormal);
        if (included != 0)
            log.add(included, settings_.includeFile);
    }
    r = check(temporary.path(), kept);
    if (r != 0)
        log.add(r, name);
    else if (platform::fileIdentity(archive) != opened)
        log.add(kArchiveChanged, name);
    else if (!temporary.replace(archive, [this] { host_.pumpMessages(); }))
        log.add(ZE_ERR_CLOSE, name);
}

bool RezipBatch::freshRezipFolder() {
    const QString &rezip = settings_.rezipFolder;
    if (isEmptyFolder(rezip))
        return true;
    removeRezipFolder();
    if (QFileInfo(rezip).isSymLink())
        QFile::remove(rezip);  // the deleter leaves links alone
    makePrivateFolder(rezip);
    return isEmptyFolder(rezip);
}

void RezipBatch::removeRezipFolder() {
    TDelTree &deleter = host_.deleter();
    deleter.Path = settings_.rezipFolder;
    deleter.RemoveTree([this] { host_.pumpMessages(); });
}

int RezipBatch::extract(const QString &archive) {
    TZipEngine &engine = host_.engine();
    engine.FilesToProcess.append(QStringLiteral("*"));
    engine.ExtractDirectory = settings_.rezipFolder;
    engine.ZipFileName = archive;
    engine.Password = settings_.unzipPassword;
    return engine.Extract(zacNormal);
}

int RezipBatch::rebuild(const QString &temporary) {
    TZipEngine &engine = host_.engine();
    engine.ZipFileName = temporary;
    engine.Password = settings_.zipPassword;
    // "*" names what is in the current directory: anywhere else it would
    // pack the wrong files.
    const ScopedCurrentDirectory inRezip(settings_.rezipFolder);
    if (!inRezip.entered())
        return ZE_ERR_NOTHING;
    // Names that start with a dot are files of the archive like any other.
    const bool hidden = std::exchange(engine.IncludeHiddenFiles, true);
    engine.FilesToProcess.append(QStringLiteral("*"));
    const int r = engine.Zip(zacNormal);
    engine.IncludeHiddenFiles = hidden;
    return r;
}

int RezipBatch::check(const QString &temporary, const QStringList &kept) {
    TZipEngine &engine = host_.engine();
    QSet<QString> stored;
    auto bound = std::exchange(engine.OnTesting, [&stored](TZipEngine *, const TZeFileStats &s) {
        stored.insert(s.FileName);
    });
    engine.ZipFileName = temporary;
    engine.Password = settings_.zipPassword;
    const int r = engine.Test();
    engine.OnTesting = std::move(bound);
    if (r != 0)
        return r;
    for (const QString &path : kept)
        if (!stored.contains(path))
            return ZE_ERR_INCOMPLETE;
    return 0;
}
