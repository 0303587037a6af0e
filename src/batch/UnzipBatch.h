#pragma once

#include "BatchClaims.h"

#include <QString>

class BatchHost;
struct BatchSettings;

// The unzip batch: extracts every selected file of the file list, in list
// order, into the unzip folder (or a sub-folder named after the archive),
// honouring Pause and Stop between archives. Each failure becomes an
// error-log line; the batch never stops at one. An archive is deleted, when
// asked, only once every entry of it is on disk and, while archives are
// tested before deleting, reads back from the disk as the archive records
// it. No archive replaces a file that an earlier archive of the batch
// extracted.
class UnzipBatch {
  public:
    // `shared` holds what earlier batches of the same run extracted; without
    // it the batch keeps its own.
    UnzipBatch(BatchHost &host, const BatchSettings &settings, BatchClaims *shared = nullptr)
        : host_(host), settings_(settings), claims_(shared ? *shared : own_) {}
    void run();

  private:
    // Tells the engine the archives of the calls to come.
    void expectArchives();
    // One selected archive, from the extraction to its deletion.
    void unzipEntry(const QString &folder, const QString &name);
    // Where the entries of archive `name` in `archiveFolder` go; ends with a
    // separator.
    QString destinationFor(const QString &archiveFolder, const QString &name) const;

    BatchHost &host_;
    const BatchSettings &settings_;
    BatchClaims own_;
    BatchClaims &claims_;  // file extracted -> archive it came from
};
