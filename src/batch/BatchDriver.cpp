#include "BatchDriver.h"

#include "BatchHost.h"
#include "BatchSettings.h"
#include "ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "platform/NameLockFile.h"
#include "platform/RunFlag.h"

#include <QCoreApplication>

void BatchDriver::run(const Loop &loop) {
    host_.setLocked(true);
    host_.setStatus(texts_.inProgress);
    ErrorLogModel &log = host_.errorLog();
    log.clear();
    const BatchSettings settings = host_.settings();
    TZipEngine &engine = host_.engine();
    engine.Compression = settings.compressionLevel;
    engine.TempPath = settings.workFolder;
    engine.Password = settings.zipPassword;
    engine.FlushNewArchives = texts_.deletesArchived && settings.*texts_.deletesArchived;
    log.scrollToEnd();
    host_.setBusy(true);

    {
        // Each archive's name is locked while it is written: the lock files
        // of the folders written to stay open for the whole loop rather
        // than being made and removed for every archive.
        const platform::KeepNameLockFiles keepLockFiles;
        loop(settings);
    }
    // New archives appear and deleted originals vanish before the end of
    // the batch is told; one reading of the folder serves the loop and the
    // driver alike.
    host_.rereadFileList();

    if (!texts_.finishing.isEmpty())
        host_.setStatus(texts_.finishing);
    log.scrollToEnd();
    host_.setBusy(false);
    host_.setLocked(false);
    const QString &end = host_.operationFlag() == runflag::Stop ? texts_.halted : texts_.completed;
    if (!texts_.endTextAfterBeep)
        host_.setStatus(end);
    host_.setOperationFlag(runflag::Go);
    if (texts_.beep && settings.*texts_.beep)
        host_.beep();
    if (texts_.endTextAfterBeep)
        host_.setStatus(end);
    host_.setItemProgress(0);
    host_.announceEnd(log.isEmpty() ? end : texts_.completedWithErrors, log.count());
    if (!log.isEmpty()) {
        host_.setStatus(texts_.completedWithErrors);
        host_.offerErrorLog(texts_.operation);
    }
}

BatchTexts zipBatchTexts() {
    return {QCoreApplication::translate("TMainform", "Zipping in progress...Please Wait."),
            QCoreApplication::translate("TMainform", "Zipping operation complete."),
            QCoreApplication::translate("TMainform", "Completed."),
            QCoreApplication::translate("TMainform", "Zipping process halted by User."),
            QCoreApplication::translate("TMainform", "Completed - errors occured."),
            &BatchSettings::beepZip,
            &BatchSettings::deleteOriginal};
}

BatchTexts zipFoldersBatchTexts() {
    BatchTexts texts = zipBatchTexts();
    texts.deletesArchived = &BatchSettings::deleteFolder;
    return texts;
}

BatchTexts unzipBatchTexts() {
    BatchTexts texts{
        QCoreApplication::translate("TMainform", "Unzipping in progress...Please Wait."),
        {},
        QCoreApplication::translate("TMainform", "Completed."),
        QCoreApplication::translate("TMainform", "Unzipping process halted by User."),
        QCoreApplication::translate("TMainform", "Completed - errors occured."),
        &BatchSettings::beepUnzip};
    texts.operation = QCoreApplication::translate("TMainform", "unzipping");
    return texts;
}

BatchTexts rezipBatchTexts() {
    // A stopped re-zip ends with the same words as a finished one.
    BatchTexts texts{
        QCoreApplication::translate("TMainform", "Zipping in progress...Please Wait."),
        QCoreApplication::translate("TMainform", "Zipping operation complete."),
        QCoreApplication::translate("TMainform", "Rezip operation Completed."),
        QCoreApplication::translate("TMainform", "Rezip operation Completed."),
        QCoreApplication::translate("TMainform", "Rezip operation Completed - Errors occured."),
        &BatchSettings::beepZip};
    texts.endTextAfterBeep = true;
    return texts;
}
