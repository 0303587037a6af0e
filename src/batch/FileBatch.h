#pragma once

#include <QString>

class BatchHost;
struct BatchSettings;

// The file batch: packs every selected file of the file list into an archive
// of its own, in list order, honouring Pause and Stop between files. Each
// failure becomes an error-log line; the batch never stops at one.
class FileBatch {
  public:
    FileBatch(BatchHost &host, const BatchSettings &settings) : host_(host), settings_(settings) {}
    void run();

  private:
    // Tells the engine the files of the Zip calls to come.
    void expectZips();
    // One selected entry, from the add to the date stamp.
    void zipEntry(const QString &folder, const QString &name, const QString &extension);
    bool deleteOriginal(const QString &full, const QString &archive);

    BatchHost &host_;
    const BatchSettings &settings_;
};
