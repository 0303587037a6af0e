#pragma once

#include "BatchSettings.h"

#include <QString>

class ErrorLogModel;
class FileListSource;
class TDelTree;
class TZipEngine;

// What a batch needs of the window that runs it: the run flag and the
// message pump, the two lists, the status bar and both progress bars, the
// error log, the engine and the deleter, and the window-wide steps of a
// batch's start and end. The main window implements it; so do the tests'
// and the headless tools' hosts.
class BatchHost {
  public:
    virtual ~BatchHost() = default;

    // "GO", "PAUSE" or "STOP", read live: Pause and Stop change it while a
    // loop runs.
    virtual QString operationFlag() const = 0;
    virtual void setOperationFlag(const QString &flag) = 0;
    // Lets pending messages run; waits for the next one when none is
    // pending.
    virtual void waitForMessages() = 0;
    // Lets pending messages run, without waiting.
    virtual void pumpMessages() = 0;
    // Lets the window repaint and its timers run, but takes no click or key:
    // for a long loop that runs without the batch's lock on the window.
    virtual void repaintWindow() {}

    // The options as they stand now; the driver takes one snapshot per batch.
    virtual BatchSettings settings() const = 0;

    // The file list, and the folder list of the folders view (bare names of
    // the browsed folder's sub-folders), with their selections.
    virtual FileListSource &fileList() = 0;
    virtual FileListSource &folderList() = 0;
    virtual bool foldersView() const = 0;
    virtual void rereadFileList() = 0;
    // Rebuilds the folder tree and refills the folder list from disk.
    virtual void refreshFolders() = 0;
    // Sets the view back to files and hides the folder list.
    virtual void showFilesView() = 0;

    virtual void setStatus(const QString &text) = 0;
    virtual void setOverallProgress(int percent) = 0;
    virtual void setItemProgress(int percent) = 0;

    virtual ErrorLogModel &errorLog() = 0;
    virtual TZipEngine &engine() = 0;
    virtual TDelTree &deleter() = 0;

    // The lock a batch puts on the window: everything that could start
    // another operation disabled, Pause and Stop enabled; unlocking undoes
    // exactly that.
    virtual void setLocked(bool locked) = 0;
    virtual void setBusy(bool busy) = 0;
    virtual void beep() = 0;
    // The end-of-batch question, asked when the error log holds lines; Yes
    // shows the log. `operation` names what ran ("zipping", "unzipping").
    virtual void offerErrorLog(const QString &operation) = 0;
    // A batch is about to test `archive`, just written, before it deletes
    // what the archive now holds. Nothing to do for a window; a test's host
    // damages the archive here to see that its original stays.
    virtual void aboutToTestArchive(const QString &archive) { Q_UNUSED(archive); }
    // A batch has extracted `archive` into `folder` and is about to read the
    // files back against it before it deletes the archive. Nothing to do for
    // a window; a test's host damages an extracted file here to see that the
    // archive stays.
    virtual void aboutToCheckExtraction(const QString &archive, const QString &folder) {
        Q_UNUSED(archive);
        Q_UNUSED(folder);
    }
    // The batch has ended with `text` in the status bar and `errorLines`
    // lines in the error log, just before the question above. A window
    // tells a user who has turned to other work; others need not.
    virtual void announceEnd(const QString &text, int errorLines) {
        Q_UNUSED(text);
        Q_UNUSED(errorLines);
    }
};
