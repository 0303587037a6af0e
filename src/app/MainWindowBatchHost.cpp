#include "MainWindowBatchHost.h"

#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "MainForm.h"
#include "MainMenu.h"
#include "OptionsPanel.h"
#include "WindowLock.h"
#include "batch/EndOfBatch.h"
#include "platform/Shell.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QApplication>

QString MainWindowBatchHost::operationFlag() const {
    return form_.OperationFlag;
}

void MainWindowBatchHost::setOperationFlag(const QString &flag) {
    form_.OperationFlag = flag;
}

void MainWindowBatchHost::waitForMessages() {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MainWindowBatchHost::pumpMessages() {
    QApplication::processEvents();
}

BatchSettings MainWindowBatchHost::settings() const {
    const OptionsPanel &o = *form_.options;
    const MainMenu &m = *form_.menu;
    BatchSettings s;
    s.zipFolder = form_.ZipFolder;
    s.unzipFolder = form_.UnzipFolder;
    s.workFolder = form_.WorkFolder;
    s.includeFile = form_.IncludeFile;
    s.rezipFolder = form_.workFolderPath();
    s.zipPassword = form_.ZipPassword();
    s.unzipPassword = form_.UnzipPassword();
    s.compressionLevel = form_.CompressionLevel();
    s.keepExtension = o.keepExtensionBox->isChecked();
    s.deleteOriginal = o.deleteOriginalBox->isChecked();
    s.beepZip = o.beepZipBox->isChecked();
    s.fullPaths = m.fullPaths->isChecked();
    s.upperCaseExtension = m.upperCase->isChecked();
    s.dateStamp = m.dateStamp->isChecked();
    s.deleteFolder = m.deleteFolder->isChecked();
    s.recurse = o.recurseBox->isChecked();
    s.beepUnzip = o.beepUnzipBox->isChecked();
    s.deleteZip = o.deleteZipBox->isChecked();
    s.subFolder = m.subFolder->isChecked();
    return s;
}

FileListSource &MainWindowBatchHost::fileList() {
    return *form_.browser->FileListBox1;
}

FileListSource &MainWindowBatchHost::folderList() {
    return *form_.browser->ListBox2;
}

bool MainWindowBatchHost::foldersView() const {
    return form_.browse->foldersView();
}

void MainWindowBatchHost::rereadFileList() {
    form_.browser->FileListBox1->reread();
}

void MainWindowBatchHost::refreshFolders() {
    BrowserPane &b = *form_.browser;
    b.DirectoryListBox1->reread();
    b.ListBox2->fill(b.DirectoryListBox1->directory());
}

void MainWindowBatchHost::showFilesView() {
    form_.browse->showFilesView();
    form_.browser->showFolderList(false);
}

void MainWindowBatchHost::setStatus(const QString &text) {
    form_.setStatus(text);
}

void MainWindowBatchHost::setOverallProgress(int percent) {
    form_.options->ProgressBar1->setValue(percent);
}

void MainWindowBatchHost::setItemProgress(int percent) {
    form_.options->ProgressBar2->setValue(percent);
}

ErrorLogModel &MainWindowBatchHost::errorLog() {
    return form_.ErrorLog;
}

TZipEngine &MainWindowBatchHost::engine() {
    return form_.ZipEngine1;
}

TDelTree &MainWindowBatchHost::deleter() {
    return form_.Deltree1;
}

void MainWindowBatchHost::setLocked(bool locked) {
    WindowLock lock(form_);
    if (locked)
        lock.lock();
    else
        lock.unlock();
}

void MainWindowBatchHost::setBusy(bool busy) {
    if (busy)
        form_.options->Animate1->start();
    else
        form_.options->Animate1->stop();
}

void MainWindowBatchHost::beep() {
    platform::shell().beep();
}

void MainWindowBatchHost::offerErrorLog() {
    ::offerErrorLog(form_.ErrorLog, [this] { form_.showErrorLog(); });
}
