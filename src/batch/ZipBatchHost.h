#pragma once

#include <QString>

class ErrorLogModel;
class FileListSource;
class TZipEngine;

// The settings a zip batch reads from the main window. The window is locked
// while the batch runs, so they cannot change under it.
struct ZipBatchSettings {
    QString zipFolder;    // ends with a separator
    QString includeFile;  // a path, or empty
    bool keepExtension = false;
    bool deleteOriginal = true;
    bool fullPaths = false;
    bool upperCaseExtension = false;
    bool dateStamp = false;
};

// What a zip batch loop needs of the main window: the run flag, the file
// list, the status bar and overall progress, the error log and the engine.
// The main window implements it; so can a headless driver.
class ZipBatchHost {
  public:
    virtual ~ZipBatchHost() = default;
    // "GO", "PAUSE" or "STOP", read live.
    virtual QString operationFlag() const = 0;
    // Lets pending window messages run (Pause and Stop arrive this way);
    // waits for the next message when none is pending.
    virtual void waitForMessages() = 0;
    virtual void setStatus(const QString &text) = 0;
    virtual void setOverallProgress(int percent) = 0;
    virtual FileListSource &fileList() = 0;
    virtual void rereadFileList() = 0;
    virtual ErrorLogModel &errorLog() = 0;
    virtual TZipEngine &engine() = 0;
    virtual ZipBatchSettings settings() const = 0;
};
