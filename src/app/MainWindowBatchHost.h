#pragma once

#include "MainWindowParts.h"
#include "batch/BatchHost.h"

#include <QElapsedTimer>

// The main window as the host of every batch: its run flag, lists, status
// bar, progress bars, error log, engine and deleter, its window lock and its
// busy indicator.
class MainWindowBatchHost final : public BatchHost {
  public:
    explicit MainWindowBatchHost(MainWindowParts parts) : window_(std::move(parts)) {
        running_.start();
    }

    QString operationFlag() const override;
    void setOperationFlag(const QString &flag) override;
    void waitForMessages() override;
    void pumpMessages() override;
    void repaintWindow() override;
    BatchSettings settings() const override;
    FileListSource &fileList() override;
    FileListSource &folderList() override;
    bool foldersView() const override;
    void rereadFileList() override;
    void refreshFolders() override;
    void showFilesView() override;
    void setStatus(const QString &text) override;
    void setOverallProgress(int percent) override;
    void setItemProgress(int percent) override;
    ErrorLogModel &errorLog() override;
    TZipEngine &engine() override;
    TDelTree &deleter() override;
    void setLocked(bool locked) override;
    void setBusy(bool busy) override;
    void beep() override;
    void offerErrorLog(const QString &operation) override;
    void announceEnd(const QString &text, int errorLines) override;

  private:
    MainWindowParts window_;
    QElapsedTimer running_;
};
