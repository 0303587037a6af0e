#pragma once

#include "batch/ZipBatchHost.h"

class TMainform;

// The "&Zip" command: locks the main window, hands the batch-wide options to
// the engine, runs the file batch (or, in the folders view, the folder
// batch), then unlocks the window and reports the outcome. It is the file
// batch's host on the main window.
class ZipBatchRunner final : public ZipBatchHost {
  public:
    explicit ZipBatchRunner(TMainform &form) : form_(form) {}
    void run();

    // ZipBatchHost
    QString operationFlag() const override;
    void waitForMessages() override;
    void setStatus(const QString &text) override;
    void setOverallProgress(int percent) override;
    FileListSource &fileList() override;
    void rereadFileList() override;
    ErrorLogModel &errorLog() override;
    TZipEngine &engine() override;
    ZipBatchSettings settings() const override;

  private:
    TMainform &form_;
};
