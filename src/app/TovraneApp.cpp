#include "TovraneApp.h"

#include "AboutWindow.h"
#include "CreateFolderDialog.h"
#include "DeleteCommands.h"
#include "FileInclusionDialog.h"
#include "FolderDialog.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "RezipCommand.h"
#include "SplashWindow.h"
#include "batch/ui/DeleteScreen.h"
#include "batch/ui/ErrorLogWindow.h"
#include "batch/ui/TrashRemovalWindow.h"
#include "engine/ui/ZipTestWindow.h"
#include "tools/crc/ui/TCRC32_Form.h"
#include "tools/dupes/ui/TDupes.h"
#include "tools/filters/ui/DefinableExtDialog.h"
#include "tools/info/ui/TFileInfo.h"
#include "tools/rename/ui/TRename_Form.h"
#include "tools/trim/ui/Ttrimmer.h"
#include "widgets/WindowGate.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QScreen>

namespace {

void centre(QWidget &window) {
    // A window is centred by its final size: a layout that fixes the size
    // (the trim and rename tools) only does so when activated, and a window
    // never shown still has the default size until then.
    if (QLayout *layout = window.layout())
        layout->activate();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace

SecondaryWindows::SecondaryWindows() = default;
SecondaryWindows::~SecondaryWindows() = default;

TovraneApp::TovraneApp() {
    main_ = std::make_unique<TMainform>();
    TMainform &m = *main_;
    windows_.splash = std::make_unique<TSplash>();
    windows_.definableExt = std::make_unique<TDefinable_Ext>(
        [&m] { return m.options().text(Option::filters); },
        [&m](const QString &filters) { m.options().setText(Option::filters, filters); }, &m);
    QObject::connect(&m, &TMainform::shown, windows_.splash.get(), &TSplash::enableTimer);
    on("DefineFilters", [this] { windows_.definableExt->Open(); });
}

TovraneApp::~TovraneApp() = default;

void TovraneApp::on(const char *command, const std::function<void()> &run) {
    QObject::connect(main_->findAction(QString::fromLatin1(command)), &QAction::triggered,
                     main_.get(), run);
}

void TovraneApp::createRest() {
    TMainform &m = *main_;
    SecondaryWindows &w = windows_;
    w.zipDest = std::make_unique<TZipDest>(m.options(), m.gate());
    w.fileInclusion = std::make_unique<TFileInclusion>(m.options(), m.gate());
    w.createFolder = std::make_unique<TCreate_Folder>();
    w.unzipDest = std::make_unique<TUnzip_dest>(m.options(), m.gate());
    w.tempDest = std::make_unique<Ttempdest>(m.options(), m.gate());
    for (QWidget *dialog : std::initializer_list<QWidget *>{w.zipDest.get(), w.fileInclusion.get(),
                                                            w.createFolder.get(), w.unzipDest.get(),
                                                            w.tempDest.get()})
        centre(*dialog);
    w.about = std::make_unique<TAbout>(m.gate(), [&m] { m.openHomepage(); });
    w.help = std::make_unique<THelpWindow>();
    const FileListSource &files = m.fileList();
    w.crcReport = std::make_unique<TCRC32_Form>(files, m.gate());
    w.zipTest = std::make_unique<Tziptest>(m.busyIndicator(), m.gate());
    w.errorLog = std::make_unique<TErrorLog>(m.ErrorLog);
    w.fileInfo = std::make_unique<TFileInfo>(files, m.gate());
    gate_ = std::make_unique<WindowGate>(m.gate());
    w.trimmer = std::make_unique<Ttrimmer>(files, *gate_);
    w.rename = std::make_unique<TRename_Form>(files, *gate_);
    w.dupes = std::make_unique<TDupes>(files, *gate_);
    w.dupes->setTrashChoice([&m] { return m.options().isOn(Option::trashDeletions); });
    w.deleteScreen = std::make_unique<TDeleteScreen>(m);
    w.trashRemoval = std::make_unique<TTrash_Removal>(m.RezipChoice, m);
    rezip_ = std::make_unique<RezipCommand>(m, *w.trashRemoval);
    delete_ = std::make_unique<DeleteCommands>(m, *w.deleteScreen);
    on("Rezip", [this] { rezip_->BitBtn3Click(); });
    for (QWidget *window : std::initializer_list<QWidget *>{
             &m, w.splash.get(), w.definableExt.get(), w.about.get(), w.crcReport.get(),
             w.zipTest.get(), w.errorLog.get(), w.fileInfo.get(), w.trimmer.get(), w.rename.get(),
             w.dupes.get(), w.trashRemoval.get()})
        centre(*window);
    wireFolderDialogs();
    wireToolWindows();
    wireShellWindows();
}

void TovraneApp::wireFolderDialogs() {
    TMainform &m = *main_;
    SecondaryWindows &w = windows_;
    // A toggle pressed down opens its option's dialog; the main window
    // handles its release.
    const std::pair<Option, std::function<void()>> toggles[] = {
        {Option::zipFolder, [this] { windows_.zipDest->Open(); }},
        {Option::unzipFolder, [this] { windows_.unzipDest->Open(); }},
        {Option::workFolder, [this] { windows_.tempDest->Open(); }},
        {Option::includeFile, [this] { windows_.fileInclusion->Open(); }}};
    for (const auto &[option, open] : toggles)
        QObject::connect(m.findAction(QString::fromLatin1(descriptorOf(option).name)),
                         &QAction::triggered, &m, [open](bool down) {
                             if (down)
                                 open();
                         });
    for (FolderDialog *dialog : std::initializer_list<FolderDialog *>{
             w.zipDest.get(), w.unzipDest.get(), w.tempDest.get()})
        dialog->onCreateFolder = [this](FolderDialog &caller) {
            windows_.createFolder->openFor(
                caller.returnMarker(), caller.folder(),
                [&caller](bool attempted) { caller.returnFromNewFolder(attempted); });
        };
    on("CreateFolder", [&m, this] {
        windows_.createFolder->openFor(QStringLiteral("Main"), m.browsedFolder(),
                                       [&m](bool attempted) {
                                           m.gate().showAndEnableMain();
                                           m.newFolderMade(attempted);
                                       });
        m.setEnabled(false);
    });
}

void TovraneApp::wireToolWindows() {
    TMainform &m = *main_;
    on("Trim", [this] { windows_.trimmer->openTool(); });
    on("Rename", [this] { windows_.rename->openTool(); });
    on("UndoRename", [this] { windows_.rename->undoLastRename(); });
    m.setCommandReady(QStringLiteral("UndoRename"), false);
    QObject::connect(windows_.rename.get(), &TRename_Form::undoAvailable, &m, [&m](bool available) {
        m.setCommandReady(QStringLiteral("UndoRename"), available);
    });
    on("Dupes", [&m, this] { m.runCommand([this] { windows_.dupes->findDuplicates(); }); });
    on("CRC32", [&m, this] { m.runCommand([this] { windows_.crcReport->runReport(); }); });
    on("FileInfo", [this] { windows_.fileInfo->showInformation(); });
    on("Test", [&m, this] {
        m.runCommand([&m, this] {
            windows_.zipTest->testSelectedFiles(m.fileList(), m.ZipEngine1,
                                                m.options().text(Option::unzipPassword));
        });
    });
    on("ViewErrorLog", [this] { windows_.errorLog->showLog(); });
    QObject::connect(&m, &TMainform::errorLogWanted, windows_.errorLog.get(), &TErrorLog::showLog);
}

void TovraneApp::wireShellWindows() {
    TMainform &m = *main_;
    on("Help", [this] { windows_.help->showContents(); });
    on("About", [&m, this] {
        m.setEnabled(false);
        windows_.about->show();
        windows_.about->raise();
    });
}

void TovraneApp::start() {
    windows_.splash->show();
    QApplication::processEvents();
    createRest();
    main_->show();
    windows_.splash->raise();
}
