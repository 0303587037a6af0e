#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class BatchHost;
struct BatchSettings;

// The status texts and the settings that tell one batch's start and end
// apart from another's.
struct BatchTexts {
    QString inProgress;           // while the loop runs
    QString finishing;            // after the loop, while the window is still locked
    QString completed;            // the end, when not stopped
    QString halted;               // the end, after Stop
    QString completedWithErrors;  // the end, when the error log holds lines
    bool BatchSettings::*beep = nullptr;
    // The setting that deletes what each new archive holds (file, folder),
    // if the batch has one: only then must every new archive be on disk
    // before the engine returns. (A re-zip's archive replaces an old one,
    // which the engine always flushes first.)
    bool BatchSettings::*deletesArchived = nullptr;
    // The end text comes after the beep instead of before it.
    bool endTextAfterBeep = false;
    // What the end-of-batch question calls the batch.
    QString operation = QCoreApplication::translate("TMainform", "zipping");
};

// The steps every batch shares around its loop: the window lock, the error
// log cleared, the engine set up from one settings snapshot, the busy
// indicator, then the file list re-read, the end texts, the run flag back to
// "GO", the beep and the end-of-batch question. A batch is its loop plus its
// texts.
class BatchDriver {
  public:
    using Loop = std::function<void(const BatchSettings &)>;

    BatchDriver(BatchHost &host, BatchTexts texts) : host_(host), texts_(std::move(texts)) {}
    void run(const Loop &loop);

  private:
    BatchHost &host_;
    BatchTexts texts_;
};

// The texts of the "&Zip" command, for files and for folders.
BatchTexts zipBatchTexts();
BatchTexts zipFoldersBatchTexts();
// The texts of the "&Unzip" command.
BatchTexts unzipBatchTexts();
// The texts of the "Rezip" command.
BatchTexts rezipBatchTexts();
