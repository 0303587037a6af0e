#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>

#include "engine/ZipEngine.h"

// What the engine put in an archive while this lives, as it reported each
// entry: the stored name and the CRC-32 of the bytes it read. A handler bound
// before still hears of every entry. Before an original goes, the archive
// under the final name is read again: another program or run may have
// replaced it after the engine finished, and the original's entry must be
// there with its size and that CRC.
class AddedEntries {
  public:
    explicit AddedEntries(TZipEngine &engine);
    ~AddedEntries();
    AddedEntries(const AddedEntries &) = delete;
    AddedEntries &operator=(const AddedEntries &) = delete;

    // Stored names (UTF-8) of the entries written, in the order reported.
    QList<QByteArray> names() const { return order_; }

    // Whether `archive` holds every entry written with the CRC reported for
    // it and the size `sizeOf` gives for its stored name (-1: not known,
    // which fails).
    bool heldBy(const QString &archive,
                const std::function<qint64(const QByteArray &name)> &sizeOf) const;

  private:
    using Handler = std::function<void(TZipEngine *, const TZeFileStats &)>;
    void record(const TZeFileStats &stats);

    TZipEngine &engine_;
    Handler savedAdding_;
    Handler savedUpdating_;
    QHash<QByteArray, quint32> crcs_;
    QList<QByteArray> order_;
};
