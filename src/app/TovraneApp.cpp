#include "TovraneApp.h"

#include "AboutWindow.h"
#include "BrowserPane.h"
#include "ButtonBar.h"
#include "CreateFolderDialog.h"
#include "FileInclusionDialog.h"
#include "FolderDialog.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "OptionsPanel.h"
#include "RezipCommand.h"
#include "SplashWindow.h"
#include "batch/ErrorLogWindow.h"
#include "batch/TrashRemovalWindow.h"
#include "engine/ZipTestWindow.h"
#include "tools/DefinableExtDialog.h"
#include "tools/TCRC32_Form.h"
#include "tools/TFileInfo.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QScreen>

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
    main_->setSecondaryWindows(&windows_);
    QObject::connect(main_.get(), &TMainform::shown, splash_.get(), &TSplash::enableTimer);
}

TovraneApp::~TovraneApp() = default;

void TovraneApp::createRest() {
    zipDest_ = std::make_unique<TZipDest>(*main_);
    fileInclusion_ = std::make_unique<TFileInclusion>(*main_);
    createFolder_ = std::make_unique<TCreate_Folder>(*main_);
    unzipDest_ = std::make_unique<TUnzip_dest>(*main_);
    tempDest_ = std::make_unique<Ttempdest>(*main_);
    windows_.zipDest = zipDest_.get();
    windows_.fileInclusion = fileInclusion_.get();
    windows_.createFolder = createFolder_.get();
    windows_.unzipDest = unzipDest_.get();
    windows_.tempDest = tempDest_.get();
    for (QWidget *w :
         std::initializer_list<QWidget *>{zipDest_.get(), fileInclusion_.get(), createFolder_.get(),
                                          unzipDest_.get(), tempDest_.get()})
        centre(*w);
    about_ = std::make_unique<TAbout>(*main_);
    help_ = std::make_unique<THelpWindow>();
    FileListBox &files = *main_->browser->FileListBox1;
    crcReport_ = std::make_unique<TCRC32_Form>(files, main_.get());
    zipTest_ = std::make_unique<Tziptest>(*main_->options->Animate1, main_.get());
    errorLog_ = std::make_unique<TErrorLog>(main_->ErrorLog);
    fileInfo_ = std::make_unique<TFileInfo>(files, main_.get());
    windows_.about = about_.get();
    windows_.help = help_.get();
    windows_.crcReport = crcReport_.get();
    windows_.zipTest = zipTest_.get();
    windows_.errorLog = errorLog_.get();
    windows_.fileInfo = fileInfo_.get();
    trashRemoval_ = std::make_unique<TTrash_Removal>(main_->RezipChoice, *main_);
    windows_.trashRemoval = trashRemoval_.get();
    rezip_ = std::make_unique<RezipCommand>(*main_, *trashRemoval_);
    QObject::connect(main_->buttons->rezipButton, &QToolButton::clicked, main_.get(),
                     [this] { rezip_->BitBtn3Click(); });
    for (QWidget *w : std::initializer_list<QWidget *>{
             main_.get(), splash_.get(), definableExt_.get(), about_.get(), crcReport_.get(),
             zipTest_.get(), errorLog_.get(), fileInfo_.get(), trashRemoval_.get()})
        centre(*w);
}

void TovraneApp::start() {
    splash_->show();
    QApplication::processEvents();
    createRest();
    main_->show();
    splash_->raise();
}
