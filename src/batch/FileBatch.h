#pragma once

#include "BatchClaims.h"

#include <QString>

class BatchHost;
struct BatchSettings;

// The file batch: packs every selected file of the file list into an archive
// of its own, in list order, honouring Pause and Stop between files. Each
// failure becomes an error-log line; the batch never stops at one. An entry
// that another file of the batch put in an archive is never replaced.
class FileBatch {
  public:
    // `shared` holds the entries earlier batches of the same run added;
    // without it the batch keeps its own.
    FileBatch(BatchHost &host, const BatchSettings &settings, BatchClaims *shared = nullptr)
        : host_(host), settings_(settings), claims_(shared ? *shared : own_) {}
    void run();

  private:
    // Tells the engine the files of the Zip calls to come.
    void expectZips();
    // One selected entry, from the add to the date stamp.
    void zipEntry(const QString &folder, const QString &name, const QString &extension);
    bool deleteOriginal(const QString &full, const QString &archive);

    BatchHost &host_;
    const BatchSettings &settings_;
    BatchClaims own_;
    BatchClaims &claims_;  // archive and entry -> the file added there
};
