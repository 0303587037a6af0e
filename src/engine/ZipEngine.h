#pragma once

#include "engine/ZeAbi.h"
#include "engine/ZeArguments.h"
#include "engine/ZeLibrary.h"
#include "engine/ZeRecords.h"
#include "engine/ZeSfxBlock.h"
#include "platform/MessagePace.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <optional>

enum TZeAction { zacNormal, zacFreshen, zacUpdate, zacMakeSfx };
enum TZeOverwrite { zowAsk, zowNever, zowAlways };
// 0 stores, 9 packs hardest; values outside are sent as the nearest end.
using TZeCompressionLevel = int;

// The archive component: every archive the program writes, extracts or tests
// goes through one of these. It turns its properties into an argument vector,
// hands that to an engine library (loaded on first use from the program's
// folder), and turns the engine's callbacks into events. The operations block
// until the engine returns and give its result code; pending window messages
// run inside every callback, so the window stays responsive.
class TZipEngine : public QObject {
    Q_OBJECT
  public:
    explicit TZipEngine(QObject *parent = nullptr);
    ~TZipEngine() override;

    // --- Properties ------------------------------------------------------
    QStringList FilesToProcess;  // emptied after every operation
    TZeCompressionLevel Compression = 6;
    bool ClearDisks = false;
    bool MoveFiles = false;
    bool MultidiskMode = false;
    QString ExtractDirectory;
    bool IncludeHiddenFiles = false;
    bool IncludeDirectoryEntries = false;
    bool IncludeVolumeLabel = false;
    TZeOverwrite Overwrite = zowAsk;
    bool Recurse = false;
    QString Password;
    bool SelfExtracting = false;
    QString SfxBinary;
    QString StoredExtensions = QStringLiteral(".ZIP;.LZH;.ARC;.ARJ;.ZOO");
    QString TempPath;
    bool UsePaths = true;
    bool UseTempFile = true;
    // A new archive is on disk, folder entry included, before Zip returns.
    // Only a caller that deletes nothing on the strength of the archive may
    // turn this off: the flush then costs more than packing a small file.
    // Replacing an archive and MoveFiles flush whatever this says.
    bool FlushNewArchives = true;
    QString ZipFileName;

    // --- Run-time state --------------------------------------------------
    // While set, every callback asks the engine to abort. Cleared before and
    // after every engine call.
    bool AbortRequested = false;
    // Zip takes only files changed on or after this date.
    QDate FilesAfterDate = QDate(1980, 1, 1);
    int ExtractOption1 = 0;
    int ExtractOption2 = -1;
    // Texts and options of a self-extractor (SelfExtracting or zacMakeSfx).
    SfxTexts Sfx = SfxTexts::defaults();

    // --- Events: each handler receives the component first -------------------
    std::function<void(TZipEngine *, TZeReplace &)> OnReplace;                 // 10
    std::function<void(TZipEngine *, const TZeFileStats &)> OnTesting;         // 50
    std::function<void(TZipEngine *, const TZeFileStats &)> OnExtracting;      // 60
    std::function<void(TZipEngine *, const TZeFileStats &)> OnListing;         // 80
    std::function<void(TZipEngine *, TZePwdQuery &)> OnPwdQuery;               // 100
    std::function<void(TZipEngine *, int)> OnNewdisk;                          // 110
    std::function<void(TZipEngine *, TZeFileComment &)> OnFileComment;         // 120
    std::function<void(TZipEngine *, const TZeGlobalStats &)> OnGlobalStatus;  // 150
    std::function<void(TZipEngine *, TZeRename &)> OnRename;                   // 160
    std::function<void(TZipEngine *, const TZeFileStats &)> OnUpdating;        // 1000
    std::function<void(TZipEngine *, const TZeFileStats &)> OnAdding;          // 1010
    std::function<void(TZipEngine *, const QString &)> OnDeleting;             // 1020
    std::function<void(TZipEngine *, const TZeFileStats &)> OnStatus;          // 1030
    std::function<void(TZipEngine *, const TZeSkipping &)> OnSkippingFile;     // 1060
    std::function<void(TZipEngine *, const QString &)> OnFixing;               // 1070

    // --- Operations: each returns the result code (0 = success) -------------
    int Zip(TZeAction action = zacNormal);
    int Extract(TZeAction action = zacNormal);
    int Test();
    int StampZipDate();
    // The files a batch still has to zip: its next Zip calls will each take
    // one of these, in this order (a name may come again, as an include
    // file does after every file), with the properties as they are then.
    // The engine compresses some of them meanwhile on idle cores, as many
    // as it sees fit. Nothing is written and no event is raised ahead. The
    // work ahead is dropped when a Zip call takes anything else (the list
    // is then forgotten), when this thread's event loop waits for the user
    // (a paused batch, or one that ended or was stopped: the next call
    // that follows the list starts again), and by a new list; an empty
    // list expects nothing. Without an engine that offers it, nothing
    // happens.
    void ExpectZips(const QStringList &files);
    // The archives a batch still has to extract or test: its next Extract
    // or Test calls each name one of these (ZipFileName), in this order,
    // though it may pass some over. The engine opens and inflates some of
    // them meanwhile on idle cores; nothing is written and no event is
    // raised ahead, and an archive that changed since it was read is read
    // again by its call. The work ahead is dropped as for ExpectZips: by a
    // call that names an archive off the list, when this thread's event
    // loop waits for the user, and by a new list. Without an engine that
    // offers it, nothing happens.
    void ExpectArchives(const QStringList &archives);

    // The vectors the operations send, for the current properties. A
    // refused call has refusal() 430 (multi-disk mode) or -1 (an action the
    // operation does not take).
    ZeArguments zipArguments(TZeAction action) const;
    ZeArguments extractArguments(TZeAction action) const;
    ZeArguments testArguments() const;
    ZeArguments stampArguments() const;

    // Where the engine libraries are loaded from; the program's folder unless
    // set. Changing it frees libraries already loaded.
    void setLibraryFolder(const QString &folder);
    // True when the last call could not load its library or entry point.
    bool libraryMissing() const { return libraryMissing_; }

    // What the engine reported without an event: the count of code 70 and
    // the entry under work of code 90.
    uint32_t engineValue() const { return engineValue_; }
    const TZeFileStats &currentEntry() const { return currentEntry_; }

    // The callback handed to the engine; `component` is the TZipEngine.
    static int32_t engineCallback(int32_t code, void *block, void *component);

    // The bytes kept for the engine by codes 130/140, shared by every
    // component in the process.
    static QByteArray sharedStore();

  private:
    enum class Operation { Zip, Read };
    class OperationGuard;

    int run(ZeLibrary &library, std::optional<Operation> kind, const ZeArguments &arguments);
    int32_t dispatch(int32_t code, void *block);
    void answerPassword(ZePasswordBlock &block);
    QStringList fileList(bool includesAllowed) const;
    // Before a Zip call: follows the expected list, or forgets it.
    void workAhead(TZeAction action);
    void sendAhead(const QStringList &files);
    // Before an Extract or Test call: follows the expected archives, or
    // forgets them.
    void readAhead(bool testing);
    void sendReadAhead(const QStringList &archives, bool testing = false);
    void dropAhead();
    void watchIdle();

    QString libraryFolder_;
    ZeLibrary zipLibrary_;
    ZeLibrary unzipLibrary_;
    bool libraryMissing_ = false;
    bool running_ = false;
    Operation lastOperation_ = Operation::Zip;
    bool passwordSupplied_ = false;
    uint32_t engineValue_ = 0;
    TZeFileStats currentEntry_;
    std::exception_ptr handlerFailure_;
    // Window messages run from the callbacks by the clock: an archive of
    // one small file calls back several times in a millisecond, and a
    // turn of the message loop (a repaint of whatever changed) each time
    // would cost more than the file.
    MessagePace pumpPace_;
    QStringList upcoming_;
    qsizetype upcomingAt_ = 0;  // the next call's file in upcoming_
    bool aheadSent_ = false;    // the engine holds work ahead
    QStringList archivesAhead_;
    qsizetype archivesAt_ = 0;    // the next call's archive in archivesAhead_
    bool readAheadSent_ = false;  // the unzip engine holds work ahead
    QMetaObject::Connection idleWatch_;
};
