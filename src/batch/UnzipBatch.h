#pragma once

#include <QString>

class BatchHost;
struct BatchSettings;

// The unzip batch: extracts every selected file of the file list, in list
// order, into the unzip folder (or a sub-folder named after the archive),
// honouring Pause and Stop between archives. Each failure becomes an
// error-log line; the batch never stops at one. An archive is deleted, when
// asked, only once every entry of it is on disk.
class UnzipBatch {
  public:
    UnzipBatch(BatchHost &host, const BatchSettings &settings) : host_(host), settings_(settings) {}
    void run();

  private:
    // One selected archive, from the extraction to its deletion.
    void unzipEntry(const QString &folder, const QString &name);
    // Where the entries of archive `name` in `archiveFolder` go; ends with a
    // separator.
    QString destinationFor(const QString &archiveFolder, const QString &name) const;

    BatchHost &host_;
    const BatchSettings &settings_;
};
