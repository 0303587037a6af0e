#include "TovraneApp.h"

#include "AboutWindow.h"
#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "ButtonBar.h"
#include "CreateFolderDialog.h"
#include "FileInclusionDialog.h"
#include "FolderDialog.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "MainMenu.h"
#include "OptionsPanel.h"
#include "SplashWindow.h"
#include "batch/ErrorLogWindow.h"
#include "engine/ZipTestWindow.h"
#include "tools/DefinableExtDialog.h"
#include "tools/MainWindowGate.h"
#include "tools/TCRC32_Form.h"
#include "tools/TDupes.h"
#include "tools/TFileInfo.h"
#include "tools/TRename_Form.h"
#include "tools/Ttrimmer.h"
#include "widgets/BusyIndicator.h"
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

// The main window as the tool windows may reach it.
class MainFormGate final : public MainWindowGate {
  public:
    explicit MainFormGate(TMainform &form) : form_(form) {}
    void disableMain() override { form_.setEnabled(false); }
    void showAndEnableMain() override {
        form_.show();
        form_.setEnabled(true);
    }
    void setMainStatus(const QString &text) override { form_.setStatus(text); }
    void rereadFileList() override { form_.browser->FileListBox1->reread(); }
    void setBusy(bool busy) override {
        if (busy)
            form_.options->Animate1->start();
        else
            form_.options->Animate1->stop();
    }

  private:
    TMainform &form_;
};

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
    gate_ = std::make_unique<MainFormGate>(*main_);
    trimmer_ = std::make_unique<Ttrimmer>(files, *gate_);
    rename_ = std::make_unique<TRename_Form>(files, *gate_);
    windows_.trimmer = trimmer_.get();
    windows_.rename = rename_.get();
    const auto trim = [this] { trimmer_->openTool(); };
    QObject::connect(main_->buttons->trimButton, &QToolButton::clicked, trimmer_.get(), trim);
    QObject::connect(main_->menu->trimTool, &QAction::triggered, trimmer_.get(), trim);
    QObject::connect(main_->browse->trimFile, &QAction::triggered, trimmer_.get(), trim);
    const auto rename = [this] { rename_->openTool(); };
    QObject::connect(main_->buttons->renameButton, &QToolButton::clicked, rename_.get(), rename);
    QObject::connect(main_->menu->renameTool, &QAction::triggered, rename_.get(), rename);
    QObject::connect(main_->browse->renameFiles, &QAction::triggered, rename_.get(), rename);
    dupes_ = std::make_unique<TDupes>(files, *gate_);
    windows_.dupes = dupes_.get();
    QObject::connect(main_->buttons->dupesButton, &QToolButton::clicked, dupes_.get(),
                     &TDupes::findDuplicates);
    QObject::connect(main_->menu->dupesTool, &QAction::triggered, dupes_.get(),
                     &TDupes::findDuplicates);
    for (QWidget *w : std::initializer_list<QWidget *>{
             main_.get(), splash_.get(), definableExt_.get(), about_.get(), crcReport_.get(),
             zipTest_.get(), errorLog_.get(), fileInfo_.get(), trimmer_.get(), rename_.get(),
             dupes_.get()})
        centre(*w);
}

void TovraneApp::start() {
    splash_->show();
    QApplication::processEvents();
    createRest();
    main_->show();
    splash_->raise();
}
