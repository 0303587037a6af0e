#include "MainWindowBatchHost.h"

#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "FolderOptions.h"
#include "MainMenu.h"
#include "OptionsPanel.h"
#include "WindowLock.h"
#include "batch/EndOfBatch.h"
#include "batch/ErrorLogModel.h"
#include "platform/Shell.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QApplication>

QString MainWindowBatchHost::operationFlag() const {
    return window_.operationFlag;
}

void MainWindowBatchHost::setOperationFlag(const QString &flag) {
    window_.operationFlag = flag;
}

void MainWindowBatchHost::waitForMessages() {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MainWindowBatchHost::pumpMessages() {
    QApplication::processEvents();
}

BatchSettings MainWindowBatchHost::settings() const {
    const OptionsPanel &o = window_.options;
    const MainMenu &m = window_.menu;
    BatchSettings s;
    s.zipFolder = window_.folders.ZipFolder();
    s.unzipFolder = window_.folders.UnzipFolder();
    s.workFolder = window_.folders.WorkFolder();
    s.includeFile = window_.folders.IncludeFile();
    s.rezipFolder = window_.rezipFolder;
    s.zipPassword = o.zipPasswordEdit->text();
    s.unzipPassword = o.unzipPasswordEdit->text();
    s.compressionLevel = o.compressionBar->value();
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
    return *window_.browser.FileListBox1;
}

FileListSource &MainWindowBatchHost::folderList() {
    return *window_.browser.ListBox2;
}

bool MainWindowBatchHost::foldersView() const {
    return window_.browse.foldersView();
}

void MainWindowBatchHost::rereadFileList() {
    window_.browser.FileListBox1->reread();
}

void MainWindowBatchHost::refreshFolders() {
    BrowserPane &b = window_.browser;
    b.DirectoryListBox1->reread();
    b.ListBox2->fill(b.DirectoryListBox1->directory());
}

void MainWindowBatchHost::showFilesView() {
    window_.browse.showFilesView();
    window_.browser.showFolderList(false);
}

void MainWindowBatchHost::setStatus(const QString &text) {
    window_.setStatus(text);
}

void MainWindowBatchHost::setOverallProgress(int percent) {
    window_.options.ProgressBar1->setValue(percent);
}

void MainWindowBatchHost::setItemProgress(int percent) {
    window_.options.ProgressBar2->setValue(percent);
}

ErrorLogModel &MainWindowBatchHost::errorLog() {
    return window_.errorLog;
}

TZipEngine &MainWindowBatchHost::engine() {
    return window_.engine;
}

TDelTree &MainWindowBatchHost::deleter() {
    return window_.deleter;
}

void MainWindowBatchHost::setLocked(bool locked) {
    WindowLock lock(window_);
    if (locked)
        lock.lock();
    else
        lock.unlock();
}

void MainWindowBatchHost::setBusy(bool busy) {
    if (busy)
        window_.options.Animate1->start();
    else
        window_.options.Animate1->stop();
}

void MainWindowBatchHost::beep() {
    platform::shell().beep();
}

void MainWindowBatchHost::offerErrorLog() {
    // A window about to close asks nothing more: the log would vanish with it.
    if (window_.closing && window_.closing())
        return;
    ::offerErrorLog(window_.errorLog, window_.showErrorLog);
}
