#include "TovraneApp.h"

#include "AboutWindow.h"
#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "ButtonBar.h"
#include "CreateFolderDialog.h"
#include "DeleteCommands.h"
#include "FileInclusionDialog.h"
#include "FolderDialog.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "MainMenu.h"
#include "OptionsPanel.h"
#include "RezipCommand.h"
#include "SplashWindow.h"
#include "batch/ui/ErrorLogWindow.h"
#include "batch/ui/TrashRemovalWindow.h"
#include "engine/ui/ZipTestWindow.h"
#include "tools/crc/ui/TCRC32_Form.h"
#include "tools/dupes/ui/TDupes.h"
#include "tools/filters/ui/DefinableExtDialog.h"
#include "tools/info/ui/TFileInfo.h"
#include "tools/rename/ui/TRename_Form.h"
#include "tools/trim/ui/Ttrimmer.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderTree.h"
#include "widgets/WindowGate.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>

namespace {

void centre(QWidget &window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace

TovraneApp::TovraneApp() {
    main_ = std::make_unique<TMainform>();
    splash_ = std::make_unique<TSplash>();
    definableExt_ = std::make_unique<TDefinable_Ext>(*main_->browser->FilterComboBox1, main_.get());
    windows_.splash = splash_.get();
    windows_.definableExt = definableExt_.get();
    QObject::connect(main_.get(), &TMainform::shown, splash_.get(), &TSplash::enableTimer);
    QObject::connect(main_->menu->defineFilters, &QAction::triggered, definableExt_.get(),
                     &TDefinable_Ext::Open);
}

TovraneApp::~TovraneApp() = default;

void TovraneApp::createRest() {
    TMainform &m = *main_;
    zipDest_ = std::make_unique<TZipDest>(m.folders, m.gate());
    fileInclusion_ = std::make_unique<TFileInclusion>(m.folders, m.gate());
    createFolder_ = std::make_unique<TCreate_Folder>();
    unzipDest_ = std::make_unique<TUnzip_dest>(m.folders, m.gate());
    tempDest_ = std::make_unique<Ttempdest>(m.folders, m.gate());
    windows_.zipDest = zipDest_.get();
    windows_.fileInclusion = fileInclusion_.get();
    windows_.createFolder = createFolder_.get();
    windows_.unzipDest = unzipDest_.get();
    windows_.tempDest = tempDest_.get();
    for (QWidget *w :
         std::initializer_list<QWidget *>{zipDest_.get(), fileInclusion_.get(), createFolder_.get(),
                                          unzipDest_.get(), tempDest_.get()})
        centre(*w);
    about_ = std::make_unique<TAbout>(m.gate(), [&m] { m.openHomepage(); });
    help_ = std::make_unique<THelpWindow>();
    FileListBox &files = *m.browser->FileListBox1;
    crcReport_ = std::make_unique<TCRC32_Form>(files, m.gate());
    zipTest_ = std::make_unique<Tziptest>(*m.options->Animate1, m.gate());
    errorLog_ = std::make_unique<TErrorLog>(m.ErrorLog);
    fileInfo_ = std::make_unique<TFileInfo>(files, m.gate());
    windows_.about = about_.get();
    windows_.help = help_.get();
    windows_.crcReport = crcReport_.get();
    windows_.zipTest = zipTest_.get();
    windows_.errorLog = errorLog_.get();
    windows_.fileInfo = fileInfo_.get();
    gate_ = std::make_unique<WindowGate>(m.gate());
    trimmer_ = std::make_unique<Ttrimmer>(files, *gate_);
    rename_ = std::make_unique<TRename_Form>(files, *gate_);
    windows_.trimmer = trimmer_.get();
    windows_.rename = rename_.get();
    dupes_ = std::make_unique<TDupes>(files, *gate_);
    windows_.dupes = dupes_.get();
    windows_.deleteScreen = &(new DeleteCommands(*main_))->screen();
    trashRemoval_ = std::make_unique<TTrash_Removal>(main_->RezipChoice, *main_);
    windows_.trashRemoval = trashRemoval_.get();
    rezip_ = std::make_unique<RezipCommand>(*main_, *trashRemoval_);
    QObject::connect(main_->buttons->rezipButton, &QToolButton::clicked, main_.get(),
                     [this] { rezip_->BitBtn3Click(); });
    for (QWidget *w : std::initializer_list<QWidget *>{
             main_.get(), splash_.get(), definableExt_.get(), about_.get(), crcReport_.get(),
             zipTest_.get(), errorLog_.get(), fileInfo_.get(), trimmer_.get(), rename_.get(),
             dupes_.get(), trashRemoval_.get()})
        centre(*w);
    wireFolderDialogs();
    wireToolWindows();
    wireShellWindows();
}

void TovraneApp::wireFolderDialogs() {
    TMainform &m = *main_;
    // A toggle pressed down opens its option's dialog; the main window
    // handles its release.
    const std::pair<OptionField *, std::function<void()>> toggles[] = {
        {&m.options->zipFolder, [this] { zipDest_->Open(); }},
        {&m.options->unzipFolder, [this] { unzipDest_->Open(); }},
        {&m.options->workFolder, [this] { tempDest_->Open(); }},
        {&m.options->includeFile, [this] { fileInclusion_->Open(); }}};
    for (const auto &[field, open] : toggles)
        QObject::connect(field->button, &QToolButton::clicked, &m, [open](bool down) {
            if (down)
                open();
        });
    for (FolderDialog *dialog :
         std::initializer_list<FolderDialog *>{zipDest_.get(), unzipDest_.get(), tempDest_.get()})
        dialog->onCreateFolder = [this](FolderDialog &caller) {
            createFolder_->openFor(
                caller.returnMarker(), caller.folder(),
                [&caller](bool attempted) { caller.returnFromNewFolder(attempted); });
        };
    QObject::connect(m.browse->createFolder, &QAction::triggered, createFolder_.get(), [&m, this] {
        createFolder_->openFor(QStringLiteral("Main"), m.browser->DirectoryListBox1->directory(),
                               [&m](bool attempted) {
                                   m.gate().showAndEnableMain();
                                   m.browse->newFolderMade(attempted);
                               });
        m.setEnabled(false);
    });
}

void TovraneApp::wireToolWindows() {
    TMainform &m = *main_;
    const auto trim = [this] { trimmer_->openTool(); };
    QObject::connect(m.buttons->trimButton, &QToolButton::clicked, trimmer_.get(), trim);
    QObject::connect(m.menu->trimTool, &QAction::triggered, trimmer_.get(), trim);
    QObject::connect(m.browse->trimFile, &QAction::triggered, trimmer_.get(), trim);
    const auto rename = [this] { rename_->openTool(); };
    QObject::connect(m.buttons->renameButton, &QToolButton::clicked, rename_.get(), rename);
    QObject::connect(m.menu->renameTool, &QAction::triggered, rename_.get(), rename);
    QObject::connect(m.browse->renameFiles, &QAction::triggered, rename_.get(), rename);
    const auto dupes = [&m, this] { m.runCommand([this] { dupes_->findDuplicates(); }); };
    QObject::connect(m.buttons->dupesButton, &QToolButton::clicked, dupes_.get(), dupes);
    QObject::connect(m.menu->dupesTool, &QAction::triggered, dupes_.get(), dupes);
    auto crcReport = [&m, this] { m.runCommand([this] { crcReport_->runReport(); }); };
    QObject::connect(m.buttons->crcButton, &QToolButton::clicked, crcReport_.get(), crcReport);
    QObject::connect(m.menu->crcTool, &QAction::triggered, crcReport_.get(), crcReport);
    QObject::connect(m.browse->fileInformation, &QAction::triggered, fileInfo_.get(),
                     &TFileInfo::showInformation);
    // The zip test from its three entry points; the "Test" button also
    // resets the item bar afterwards.
    auto testZips = [&m, this](bool fromTestButton) {
        m.runCommand(
            [&m, this] { zipTest_->testSelectedFiles(*m.browser->FileListBox1, m.ZipEngine1); });
        if (fromTestButton)
            m.options->ProgressBar2->setValue(0);
    };
    QObject::connect(m.buttons->testButton, &QToolButton::clicked, zipTest_.get(),
                     [testZips] { testZips(true); });
    QObject::connect(m.menu->zipTestTool, &QAction::triggered, zipTest_.get(),
                     [testZips] { testZips(false); });
    QObject::connect(m.browse->testZips, &QAction::triggered, zipTest_.get(),
                     [testZips] { testZips(false); });
    QObject::connect(m.menu->viewErrorLog, &QAction::triggered, errorLog_.get(),
                     &TErrorLog::showLog);
    QObject::connect(&m, &TMainform::errorLogWanted, errorLog_.get(), &TErrorLog::showLog);
}

void TovraneApp::wireShellWindows() {
    TMainform &m = *main_;
    auto showHelp = [this] { help_->showContents(); };
    QObject::connect(m.menu->helpContents, &QAction::triggered, help_.get(), showHelp);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), &m);
    QObject::connect(f1, &QShortcut::activated, help_.get(), showHelp);
    QObject::connect(m.menu->about, &QAction::triggered, about_.get(), [&m, this] {
        m.setEnabled(false);
        about_->show();
        about_->raise();
    });
}

void TovraneApp::start() {
    splash_->show();
    QApplication::processEvents();
    createRest();
    main_->show();
    splash_->raise();
}
