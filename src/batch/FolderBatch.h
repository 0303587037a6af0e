#pragma once

#include "BatchClaims.h"

#include <QString>

class AddedEntries;
class BatchHost;
struct BatchSettings;

// The folder batch: packs every selected sub-folder of the browsed folder,
// with everything below it, into an archive of its own named after the
// folder, and may remove the folder once its archive holds all of it.
// Each failure becomes an error-log line; the batch never stops at one. No
// folder is added to the archive of another folder of the batch.
class FolderBatch {
  public:
    // `shared` holds the archives earlier batches of the same run made;
    // without it the batch keeps its own.
    FolderBatch(BatchHost &host, const BatchSettings &settings, BatchClaims *shared = nullptr)
        : host_(host), settings_(settings), claims_(shared ? *shared : own_) {}
    void run();

  private:
    // One selected folder, from the add to the date stamp.
    void zipFolder(const QString &base, const QString &name, const QString &extension);
    // Removes base + name when the archive holds every file of it, each
    // entry as `added` saw it: 0 when it went, else the code of why it
    // stayed, wholly or in part.
    int removeZippedFolder(const QString &base, const QString &name, const QString &archive,
                           const AddedEntries &added);

    BatchHost &host_;
    const BatchSettings &settings_;
    BatchClaims own_;
    BatchClaims &claims_;  // archive -> the folder packed into it
};
