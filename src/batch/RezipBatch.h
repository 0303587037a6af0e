#pragma once

#include <QString>
#include <QStringList>

class BatchHost;
struct BatchSettings;

// The re-zip loop: each selected archive of the file list is extracted into
// the re-zip folder, cleaned of the chosen file types, packed again at the
// batch's level with the zip password and the include file, and put in
// place of the old archive under the same name. The old archive is replaced
// only by a new one that tested complete and holds every file kept; any
// failure leaves it as it was and becomes one error-log line.
class RezipBatch {
  public:
    RezipBatch(BatchHost &host, const BatchSettings &settings, QStringList filters)
        : host_(host), settings_(settings), filters_(std::move(filters)) {}
    void run();

    // The fixed name of the temporary archive, in the work folder.
    static QString temporaryName() { return QStringLiteral("TvRz506$$$$$.zip"); }

  private:
    QString temporaryPath() const;
    void rezipEntry(const QString &folder, const QString &name);
    // The extraction folder, empty; false when it cannot be made so.
    bool freshRezipFolder();
    void removeRezipFolder();
    int extract(const QString &archive);
    int rebuild(const QString &temporary);
    // 0 when the rebuilt archive tests intact and holds every path of
    // `kept`, else the code to report.
    int check(const QString &temporary, const QStringList &kept);

    BatchHost &host_;
    const BatchSettings &settings_;
    QStringList filters_;
    bool temporaryTaken_ = false;
};
