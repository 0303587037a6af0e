#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "engine/ZipEngine.h"

class BatchClaims;
class ExtractedEntries;

// Keeps one archive of an unzip batch from replacing a file that an earlier
// archive of the same batch extracted: with the archives deleted after
// unzipping, the earlier file would then exist nowhere. Files that were
// there before the batch are replaced as always. While it lives, the engine
// asks before it replaces a file, and this answers.
class ExtractionGuard {
  public:
    // A file the archive would have replaced, relative to the destination,
    // and the archive of this batch that wrote it.
    struct Refusal {
        QString target;
        QString owner;
    };

    // `archive` is extracted into `destination` (which ends with a
    // separator); `claims` holds what earlier archives wrote.
    ExtractionGuard(TZipEngine &engine, BatchClaims &claims, QString archive, QString destination);
    ~ExtractionGuard();
    ExtractionGuard(const ExtractionGuard &) = delete;
    ExtractionGuard &operator=(const ExtractionGuard &) = delete;

    const QList<Refusal> &refused() const { return refused_; }
    // Claims for this archive every file it wrote, once it is extracted.
    void claimWritten(const ExtractedEntries &extracted);

  private:
    void answer(TZeReplace &question);

    TZipEngine &engine_;
    BatchClaims &claims_;
    QString archive_;
    QString destination_;  // cleaned, with a trailing separator
    TZeOverwrite savedOverwrite_;
    std::function<void(TZipEngine *, TZeReplace &)> savedOnReplace_;
    QList<Refusal> refused_;
};
