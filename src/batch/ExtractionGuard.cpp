#include "ExtractionGuard.h"

#include "BatchClaims.h"
#include "ExtractedEntries.h"

#include <QDir>

ExtractionGuard::ExtractionGuard(TZipEngine &engine, BatchClaims &claims, QString archive,
                                 QString destination)
    : engine_(engine),
      claims_(claims),
      archive_(std::move(archive)),
      destination_(QDir::cleanPath(destination) + QLatin1Char('/')),
      savedOverwrite_(engine.Overwrite),
      savedOnReplace_(std::move(engine.OnReplace)) {
    // Asking costs nothing for a file that is not there; for one that is,
    // the answer below replaces it unless this batch wrote it.
    engine_.Overwrite = zowAsk;
    engine_.OnReplace = [this](TZipEngine *, TZeReplace &question) { answer(question); };
}

ExtractionGuard::~ExtractionGuard() {
    engine_.Overwrite = savedOverwrite_;
    engine_.OnReplace = std::move(savedOnReplace_);
}

void ExtractionGuard::answer(TZeReplace &question) {
    const QString path = QDir::cleanPath(question.FileName);
    if (!claims_.takenFrom(path, archive_)) {
        question.Answer = ZE_REPLACE_YES;
        return;
    }
    question.Answer = ZE_REPLACE_NO;
    const QString target =
        path.startsWith(destination_) ? path.mid(destination_.size()) : question.FileName;
    refused_.append({target, claims_.ownerOf(path)});
}

void ExtractionGuard::claimWritten(const ExtractedEntries &extracted) {
    for (const QString &target : extracted.targets())
        claims_.claim(QDir::cleanPath(destination_ + target), archive_);
}
