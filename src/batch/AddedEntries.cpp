#include "AddedEntries.h"

#include "ArchiveListing.h"

AddedEntries::AddedEntries(TZipEngine &engine)
    : engine_(engine),
      savedAdding_(std::move(engine.OnAdding)),
      savedUpdating_(std::move(engine.OnUpdating)) {
    engine_.OnAdding = [this](TZipEngine *e, const TZeFileStats &stats) {
        if (savedAdding_)
            savedAdding_(e, stats);
        record(stats);
    };
    engine_.OnUpdating = [this](TZipEngine *e, const TZeFileStats &stats) {
        if (savedUpdating_)
            savedUpdating_(e, stats);
        record(stats);
    };
}

AddedEntries::~AddedEntries() {
    engine_.OnAdding = std::move(savedAdding_);
    engine_.OnUpdating = std::move(savedUpdating_);
}

void AddedEntries::record(const TZeFileStats &stats) {
    if (stats.Directory)
        return;
    const QByteArray name = stats.FileName.toUtf8();
    if (!crcs_.contains(name))
        order_ << name;
    crcs_.insert(name, stats.Crc);
}

bool AddedEntries::heldBy(const QString &archive,
                          const std::function<qint64(const QByteArray &)> &sizeOf) const {
    if (order_.isEmpty())
        return false;
    const std::optional<QList<ArchiveEntry>> listing = archiveEntries(archive);
    if (!listing)
        return false;
    QHash<QByteArray, const ArchiveEntry *> held;
    for (const ArchiveEntry &entry : *listing)
        held.insert(entry.name, &entry);
    for (auto it = crcs_.constBegin(); it != crcs_.constEnd(); ++it) {
        const ArchiveEntry *entry = held.value(it.key());
        const qint64 size = sizeOf(it.key());
        if (!entry || entry->crc != it.value() || size < 0 ||
            entry->size != static_cast<quint64>(size))
            return false;
    }
    return true;
}
