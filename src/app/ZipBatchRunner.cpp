#include "ZipBatchRunner.h"

#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "MainForm.h"
#include "MainMenu.h"
#include "OptionsPanel.h"
#include "SecondaryWindows.h"
#include "WindowLock.h"
#include "batch/EndOfBatch.h"
#include "batch/ErrorLogWindow.h"
#include "batch/FileBatch.h"
#include "platform/Shell.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FileListBox.h"

#include <QApplication>

void ZipBatchRunner::run() {
    WindowLock lock(form_);
    lock.lock();
    form_.setStatus(QStringLiteral("Zipping in progress...Please Wait."));
    form_.ErrorLog.clear();
    TZipEngine &zip = form_.ZipEngine1;
    zip.Compression = form_.CompressionLevel();
    zip.TempPath = form_.WorkFolder;
    zip.Password = form_.ZipPassword();
    form_.ErrorLog.scrollToEnd();
    form_.options->Animate1->start();

    if (form_.browse->filesView()) {
        FileBatch(*this).run();
    } else if (form_.browse->foldersView()) {
        // Folders are packed by the folder batch, which comes with the
        // folders view's own zipping.
    }

    form_.browse->showFilesView();
    form_.browser->showFolderList(false);
    form_.setStatus(QStringLiteral("Zipping operation complete."));
    form_.ErrorLog.scrollToEnd();
    form_.options->Animate1->stop();
    lock.unlock();
    form_.setStatus(form_.OperationFlag == QLatin1String("STOP")
                        ? QStringLiteral("Zipping process halted by User.")
                        : QStringLiteral("Completed."));
    form_.OperationFlag = QStringLiteral("GO");
    if (form_.options->beepZipBox->isChecked())
        platform::shell().beep();
    form_.options->ProgressBar2->setValue(0);
    if (!form_.ErrorLog.isEmpty()) {
        form_.setStatus(QStringLiteral("Completed - errors occured."));
        offerErrorLog(form_.ErrorLog, [this] { form_.showErrorLog(); });
    }
    form_.browser->FileListBox1->reread();
}

QString ZipBatchRunner::operationFlag() const {
    return form_.OperationFlag;
}

void ZipBatchRunner::waitForMessages() {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ZipBatchRunner::setStatus(const QString &text) {
    form_.setStatus(text);
}

void ZipBatchRunner::setOverallProgress(int percent) {
    form_.options->ProgressBar1->setValue(percent);
}

FileListSource &ZipBatchRunner::fileList() {
    return *form_.browser->FileListBox1;
}

void ZipBatchRunner::rereadFileList() {
    form_.browser->FileListBox1->reread();
}

ErrorLogModel &ZipBatchRunner::errorLog() {
    return form_.ErrorLog;
}

TZipEngine &ZipBatchRunner::engine() {
    return form_.ZipEngine1;
}

ZipBatchSettings ZipBatchRunner::settings() const {
    ZipBatchSettings s;
    s.zipFolder = form_.ZipFolder;
    s.includeFile = form_.IncludeFile;
    s.keepExtension = form_.options->keepExtensionBox->isChecked();
    s.deleteOriginal = form_.options->deleteOriginalBox->isChecked();
    s.fullPaths = form_.menu->fullPaths->isChecked();
    s.upperCaseExtension = form_.menu->upperCase->isChecked();
    s.dateStamp = form_.menu->dateStamp->isChecked();
    return s;
}
