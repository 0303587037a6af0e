#pragma once

#include <QHash>
#include <QString>

// The names one batch has written so far, each with the item that wrote it:
// files extracted, entries added to an archive, archives of folders. A batch
// must not overwrite its own work: when two of its items meet one name, the
// later one would leave the earlier one nowhere once the batch deletes what
// it packed or unpacked. A batch of tovrane-batch spans the folders of its
// command line, so one of these lives as long as the whole run.
class BatchClaims {
  public:
    // The item that claimed `name`; empty when none did.
    QString ownerOf(const QString &name) const { return owners_.value(name); }
    // Whether `name` was claimed by an item other than `item`.
    bool takenFrom(const QString &name, const QString &item) const {
        const QString owner = ownerOf(name);
        return !owner.isEmpty() && owner != item;
    }
    // `item` wrote `name`; a later claim of the same name replaces it.
    void claim(const QString &name, const QString &item) { owners_.insert(name, item); }

  private:
    QHash<QString, QString> owners_;
};
