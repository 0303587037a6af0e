#include "MainWindowBatchHost.h"

#include "BrowserCommands.h"
#include "CommandActions.h"
#include "OptionsModel.h"
#include "OptionsPanel.h"
#include "batch/EndOfBatch.h"
#include "batch/ErrorLogModel.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QCoreApplication>

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

void MainWindowBatchHost::repaintWindow() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BatchSettings MainWindowBatchHost::settings() const {
    BatchSettings s = window_.options.snapshot();
    s.rezipFolder = window_.rezipFolder;
    return s;
}

FileListSource &MainWindowBatchHost::fileList() {
    return window_.browse.fileList();
}

FileListSource &MainWindowBatchHost::folderList() {
    return window_.browse.folderList();
}

bool MainWindowBatchHost::foldersView() const {
    return window_.browse.foldersView();
}

void MainWindowBatchHost::rereadFileList() {
    window_.browse.rereadFileList();
}

void MainWindowBatchHost::refreshFolders() {
    window_.browse.refreshFolders();
}

void MainWindowBatchHost::showFilesView() {
    window_.browse.showFilesView();
    window_.browse.hideFolderList();
}

void MainWindowBatchHost::setStatus(const QString &text) {
    window_.setStatus(text);
}

void MainWindowBatchHost::setOverallProgress(int percent) {
    window_.panel.setOverallProgress(percent);
}

void MainWindowBatchHost::setItemProgress(int percent) {
    window_.panel.setItemProgress(percent);
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
    window_.commands.setLocked(locked);
}

void MainWindowBatchHost::setBusy(bool busy) {
    window_.panel.setBusy(busy);
}

void MainWindowBatchHost::beep() {
    platform::shell().beep();
}

void MainWindowBatchHost::offerErrorLog(const QString &operation) {
    // A window about to close asks nothing more: the log would vanish with it.
    if (window_.closing && window_.closing())
        return;
    ::offerErrorLog(window_.errorLog, window_.showErrorLog, operation);
}

void MainWindowBatchHost::announceEnd(const QString &text, int errorLines) {
    // One notification, and only when the user has likely turned away: a
    // short batch or one watched in the window needs none.
    if (running_.elapsed() < window_.announceAfterMs || window_.windowActive())
        return;
    QString body;
    if (errorLines == 1)
        body = QCoreApplication::translate("TMainform", "The error log holds 1 line.");
    else if (errorLines > 1)
        body = QCoreApplication::translate("TMainform", "The error log holds %1 lines.")
                   .arg(errorLines);
    platform::shell().notify(text, body);
}
