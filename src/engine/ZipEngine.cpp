#include "ZipEngine.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace {

// Zip calls the engine works ahead on: enough to keep every core busy
// while small files' archives are written one after another, few enough
// that a change of plan wastes little.
constexpr qsizetype kCallsAhead = 16;
// Archives the engine reads ahead of their Extract or Test calls: its
// memory bounds what it holds, this bounds the archives it keeps open. For
// a test it starts the biggest it is told of first, so the list reaches far
// enough for a big archive to start while many small ones are still before
// it.
constexpr qsizetype kArchivesAhead = 32;

}  // namespace

// Whatever way an operation ends (refused, failed, or a handler's exception
// on its way to the caller), the file list is emptied and no abort request
// outlives it.
class TZipEngine::OperationGuard {
  public:
    explicit OperationGuard(TZipEngine &engine) : engine_(engine) {}
    ~OperationGuard() {
        engine_.FilesToProcess.clear();
        engine_.AbortRequested = false;
    }
    OperationGuard(const OperationGuard &) = delete;
    OperationGuard &operator=(const OperationGuard &) = delete;

  private:
    TZipEngine &engine_;
};

TZipEngine::TZipEngine(QObject *parent)
    : QObject(parent),
      libraryFolder_(QCoreApplication::applicationDirPath()),
      zipLibrary_(QStringLiteral("zezip"), "zezip"),
      unzipLibrary_(QStringLiteral("zeunzip"), "zeunzip") {}

// The libraries are freed by their own destructors.
TZipEngine::~TZipEngine() = default;

void TZipEngine::setLibraryFolder(const QString &folder) {
    if (folder == libraryFolder_ || running_)
        return;
    libraryFolder_ = folder;
    zipLibrary_.release();
    unzipLibrary_.release();
}

QStringList TZipEngine::fileList(bool includesAllowed) const {
    QStringList names, includes, excludes;
    for (const QString &entry : FilesToProcess) {
        if (entry.isEmpty())
            continue;
        if (includesAllowed && entry.startsWith(u'>'))
            includes << entry.mid(1);
        else if (entry.startsWith(u'<'))
            excludes << entry.mid(1);
        else
            names << entry;
    }
    // Patterns alone name nothing to work on, so they are not sent either.
    if (names.isEmpty())
        return {};
    if (!includes.isEmpty())
        names << QStringLiteral("-i") << includes;
    if (!excludes.isEmpty())
        names << QStringLiteral("-x") << excludes;
    return names;
}

ZeArguments TZipEngine::zipArguments(TZeAction action) const {
    if (action != zacNormal && MultidiskMode)
        return ZeArguments::refusal(ZE_ERR_MULTIDISK);
    const bool sfxOnly = action == zacMakeSfx;
    ZeArguments a;
    a << Password;
    if (action == zacFreshen)
        a << QStringLiteral("-f");
    if (action == zacUpdate)
        a << QStringLiteral("-u");
    if (sfxOnly)
        a << QStringLiteral("-M");
    if (!sfxOnly) {
        if (!Password.isEmpty())
            a << QStringLiteral("-e");
        a << QStringLiteral("-") + QString::number(std::clamp(Compression, 0, 9));
        if (MoveFiles)
            a << QStringLiteral("-m");
        if (IncludeHiddenFiles && action != zacFreshen)
            a << QStringLiteral("-S");
        if (UsePaths && IncludeDirectoryEntries && action != zacFreshen)
            a << QStringLiteral("-D");
        if (IncludeVolumeLabel && action == zacNormal)
            a << QStringLiteral("-$");
        if (Recurse)
            a << QStringLiteral("-r");
        if (!UsePaths)
            a << QStringLiteral("-j");
    }
    if (SelfExtracting || sfxOnly) {
        a << QStringLiteral("-X") << SfxBinary << Sfx.DefaultDirectory;
        a.appendSfxBlock(std::make_unique<ZeSfxBlock>(Sfx));
    }
    if (!UseTempFile)
        a << QStringLiteral("-g");
    if (!FlushNewArchives && !sfxOnly)
        a << QStringLiteral("--no-flush");
    if (!TempPath.isEmpty())
        a << QStringLiteral("-b") << TempPath;
    if (!sfxOnly) {
        if (!StoredExtensions.isEmpty())
            a << QStringLiteral("-n") << StoredExtensions;
        if (MultidiskMode)
            a << QStringLiteral("-!");
        if (ClearDisks)
            a << QStringLiteral("-&");
        const QDate after = FilesAfterDate.isValid() ? FilesAfterDate : QDate(1980, 1, 1);
        a << QStringLiteral("-t") << after.toString(QStringLiteral("ddMMyyyy"));
    }
    a << ZipFileName;
    if (!sfxOnly) {
        a << QStringLiteral("-W");
        for (const QString &name : fileList(true))
            a << name;
    }
    return a;
}

ZeArguments TZipEngine::extractArguments(TZeAction action) const {
    if (action != zacNormal && MultidiskMode)
        return ZeArguments::refusal(ZE_ERR_MULTIDISK);
    // Extraction has no self-extractor form.
    if (action == zacMakeSfx)
        return ZeArguments::refusal(-1);
    ZeArguments a;
    a << Password;
    if (action == zacFreshen)
        a << QStringLiteral("-f");
    if (action == zacUpdate)
        a << QStringLiteral("-u");
    a << QStringLiteral("-1") + QString::number(ExtractOption1);
    a << QStringLiteral("-2") + QString::number(ExtractOption2);
    if (!UsePaths)
        a << QStringLiteral("-j");
    if (MultidiskMode)
        a << QStringLiteral("-!");
    if (Overwrite == zowNever)
        a << QStringLiteral("-n");
    if (Overwrite == zowAlways)
        a << QStringLiteral("-o");
    a << ZipFileName;
    for (const QString &name : fileList(false))
        a << name;
    if (!ExtractDirectory.isEmpty())
        a << QStringLiteral("-d") << ExtractDirectory;
    return a;
}

ZeArguments TZipEngine::testArguments() const {
    ZeArguments a;
    a << Password;
    if (MultidiskMode)
        a << QStringLiteral("-!");
    a << QStringLiteral("-t") << ZipFileName;
    for (const QString &name : fileList(false))
        a << name;
    return a;
}

ZeArguments TZipEngine::stampArguments() const {
    if (MultidiskMode)
        return ZeArguments::refusal(ZE_ERR_MULTIDISK);
    ZeArguments a;
    a << Password << QStringLiteral("-o") << ZipFileName;
    return a;
}

int TZipEngine::Zip(TZeAction action) {
    OperationGuard guard(*this);
    workAhead(action);
    return run(zipLibrary_, Operation::Zip, zipArguments(action));
}

int TZipEngine::Extract(TZeAction action) {
    OperationGuard guard(*this);
    readAhead(false);
    return run(unzipLibrary_, Operation::Read, extractArguments(action));
}

int TZipEngine::Test() {
    OperationGuard guard(*this);
    readAhead(true);
    return run(unzipLibrary_, Operation::Read, testArguments());
}

int TZipEngine::StampZipDate() {
    OperationGuard guard(*this);
    // Stamping keeps the password answer of the operation before it.
    return run(zipLibrary_, std::nullopt, stampArguments());
}

void TZipEngine::ExpectZips(const QStringList &files) {
    if (running_)
        return;
    dropAhead();
    upcoming_ = files;
    upcomingAt_ = 0;
    if (!files.isEmpty())
        watchIdle();
}

void TZipEngine::ExpectArchives(const QStringList &archives) {
    if (running_)
        return;
    dropAhead();
    archivesAhead_ = archives;
    archivesAt_ = 0;
    if (!archives.isEmpty())
        watchIdle();
}

void TZipEngine::watchIdle() {
    // Waiting for the user means the batch is paused or over: work done
    // ahead would only hold memory until then, and the files may change.
    if (!idleWatch_)
        if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
            idleWatch_ = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                                 &TZipEngine::dropAhead);
}

void TZipEngine::readAhead(bool testing) {
    if (archivesAt_ >= archivesAhead_.size() || running_)
        return;
    // A batch may pass archives over (a name it refuses before the call).
    const qsizetype at = archivesAhead_.indexOf(ZipFileName, archivesAt_);
    if (at >= 0 && !ZipFileName.isEmpty()) {
        // The window starts at this call's archive, so that the engine
        // hands this call what it has done for it.
        sendReadAhead(archivesAhead_.mid(at, kArchivesAhead), testing);
        archivesAt_ = at + 1;
        return;
    }
    archivesAhead_.clear();
    archivesAt_ = 0;
    dropAhead();
}

void TZipEngine::sendReadAhead(const QStringList &archives, bool testing) {
    const ZeEntryPoint ahead =
        unzipLibrary_.bind(libraryFolder_) ? unzipLibrary_.optional("zeunzipahead") : nullptr;
    if (!ahead)
        return;
    ZeArguments arguments;
    if (testing && !archives.isEmpty())
        arguments << QStringLiteral("-t");
    for (const QString &archive : archives)
        arguments << archive;
    if (!arguments.isPassable())
        return;
    const ZeArguments::Argv argv = arguments.argv();
    ahead(ZE_VERSION, argv.count(), argv.data(), nullptr, nullptr);
    readAheadSent_ = !archives.isEmpty();
}

void TZipEngine::workAhead(TZeAction action) {
    if (upcomingAt_ >= upcoming_.size() || running_)
        return;
    if (action == zacNormal && FilesToProcess.size() == 1 &&
        FilesToProcess.front() == upcoming_[upcomingAt_]) {
        // The window starts at this call's file, so that the engine hands
        // this call what it has done for it.
        sendAhead(upcoming_.mid(upcomingAt_, kCallsAhead));
        ++upcomingAt_;
        return;
    }
    upcoming_.clear();
    upcomingAt_ = 0;
    dropAhead();
}

void TZipEngine::dropAhead() {
    if (running_)
        return;
    if (aheadSent_)
        sendAhead({});
    if (readAheadSent_)
        sendReadAhead({});
}

void TZipEngine::sendAhead(const QStringList &files) {
    const ZeEntryPoint ahead =
        zipLibrary_.bind(libraryFolder_) ? zipLibrary_.optional("zezipahead") : nullptr;
    if (!ahead)
        return;
    // The vector Zip would send for these files; the archive is left as it
    // is, the engine does not look at it.
    const QStringList taken = std::exchange(FilesToProcess, files);
    const QString archive = ZipFileName.isEmpty() ? QStringLiteral("-") : ZipFileName;
    const QString named = std::exchange(ZipFileName, archive);
    const ZeArguments arguments = zipArguments(zacNormal);
    FilesToProcess = taken;
    ZipFileName = named;
    if (arguments.refusal() != 0 || !arguments.isPassable())
        return;
    const ZeArguments::Argv argv = arguments.argv();
    ahead(ZE_VERSION, argv.count(), argv.data(), nullptr, nullptr);
    aheadSent_ = !files.isEmpty();
}

int TZipEngine::run(ZeLibrary &library, std::optional<Operation> kind,
                    const ZeArguments &arguments) {
    if (arguments.refusal() != 0)
        return arguments.refusal();
    // The engine is not re-entrant: a second operation started from a
    // callback's message pump would run inside the first one.
    if (running_)
        return -1;
    // A text with a zero character would reach the engine cut short.
    if (!arguments.isPassable())
        return -1;

    libraryMissing_ = false;
    AbortRequested = false;
    if (kind)
        lastOperation_ = *kind;
    // A password handed to an earlier operation must not make this one's
    // first request look like a repeat.
    passwordSupplied_ = false;
    handlerFailure_ = nullptr;
    const ZeEntryPoint entry = library.bind(libraryFolder_);
    if (!entry) {
        libraryMissing_ = true;
        return ZE_ERR_LOAD;
    }

    const ZeArguments::Argv argv = arguments.argv();
    running_ = true;
    const int32_t result = entry(ZE_VERSION, argv.count(), argv.data(), &engineCallback, this);
    running_ = false;
    AbortRequested = false;
    if (handlerFailure_)
        std::rethrow_exception(std::exchange(handlerFailure_, nullptr));
    return result;
}
