#pragma once

#include <QString>

class BatchHost;
struct BatchSettings;

// The folder batch: packs every selected sub-folder of the browsed folder,
// with everything below it, into an archive of its own named after the
// folder, and may remove the folder once its archive holds all of it.
// Each failure becomes an error-log line; the batch never stops at one.
class FolderBatch {
  public:
    FolderBatch(BatchHost &host, const BatchSettings &settings)
        : host_(host), settings_(settings) {}
    void run();

  private:
    // One selected folder, from the add to the date stamp.
    void zipFolder(const QString &base, const QString &name, const QString &extension);
    // Removes base + name when the archive holds every file of it: 0 when
    // it went, else the code of why it stayed, wholly or in part.
    int removeZippedFolder(const QString &base, const QString &name, const QString &archive);

    BatchHost &host_;
    const BatchSettings &settings_;
};
