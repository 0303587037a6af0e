#pragma once

#include "BatchHost.h"
#include "DelTree.h"
#include "ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "platform/RunFlag.h"

#include <functional>

// A host without a window: for programs that run a batch from a script and
// for the loops' own tests. It owns its engine, deleter and error log; the
// lists, the settings and what it shows are given by its owner.
class HeadlessBatchHost : public BatchHost {
  public:
    HeadlessBatchHost(FileListSource &files, FileListSource &folders);

    BatchSettings current;
    bool inFoldersView = false;
    // Every status text, as it is set.
    std::function<void(const QString &)> onStatus;
    // Called from the message pump: where a script's Pause and Stop arrive.
    std::function<void()> onPump;
    // Called with each new archive just before it is tested.
    std::function<void(const QString &)> onArchiveTest;
    // Called with each unzipped archive and its extraction folder just
    // before the files are read back against the archive.
    std::function<void(const QString &, const QString &)> onExtractionCheck;

    QString operationFlag() const override { return flag_; }
    void setOperationFlag(const QString &flag) override { flag_ = flag; }
    void waitForMessages() override;
    void pumpMessages() override;
    BatchSettings settings() const override { return current; }
    FileListSource &fileList() override { return files_; }
    FileListSource &folderList() override { return folders_; }
    bool foldersView() const override { return inFoldersView; }
    void rereadFileList() override {}
    void refreshFolders() override {}
    void showFilesView() override { inFoldersView = false; }
    void setStatus(const QString &text) override;
    void setOverallProgress(int percent) override { overall_ = percent; }
    void setItemProgress(int percent) override { item_ = percent; }
    ErrorLogModel &errorLog() override { return log_; }
    TZipEngine &engine() override { return engine_; }
    TDelTree &deleter() override { return deleter_; }
    void setLocked(bool locked) override { locked_ = locked; }
    void setBusy(bool) override {}
    void beep() override { ++beeps_; }
    void offerErrorLog(const QString &) override {}
    void aboutToTestArchive(const QString &archive) override {
        if (onArchiveTest)
            onArchiveTest(archive);
    }
    void aboutToCheckExtraction(const QString &archive, const QString &folder) override {
        if (onExtractionCheck)
            onExtractionCheck(archive, folder);
    }

    QString status() const { return status_; }
    int overallProgress() const { return overall_; }
    int itemProgress() const { return item_; }
    bool locked() const { return locked_; }
    int beeps() const { return beeps_; }

  private:
    FileListSource &files_;
    FileListSource &folders_;
    QString flag_ = runflag::Go;
    QString status_;
    int overall_ = 0;
    int item_ = 0;
    bool locked_ = false;
    int beeps_ = 0;
    ErrorLogModel log_;
    TZipEngine engine_;
    TDelTree deleter_;
};
