#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace tools {

// One selected file of a duplicate search.
struct DupesEntry {
    // The name as the file list shows it, whole (a deletion acts on exactly
    // this file); emptied once the file has been deleted.
    QString name;
    // Bytes in the file, or -1 when it could not be opened.
    qint64 size = -1;
    // The first six hexadecimal digits of the file's CRC-32, "XXXXXX" when
    // it could not be opened, empty when it was not read (no other selected
    // file had its size, so it needed no reading).
    QString key;
    // Entries of one class hold identical bytes; -1 when no other file can
    // be like it (unread, unreadable, or changed while it was read).
    int contentClass = -1;
    // The duplicate group, numbered from 1, or -1 for none.
    int group = -1;
};

// The files of the latest search in list order, at most `capacity` of them,
// with their duplicate groups. It outlives the search, so that a group's
// list can be shown again after some of its files are deleted.
class DupesTable {
  public:
    // The window's table: it shows a tab per group, and that many files
    // keep it usable.
    static constexpr int kCapacity = 6000;

    explicit DupesTable(int capacity = kCapacity) : capacity_(capacity) {}
    int capacity() const { return capacity_; }

    void clear();
    bool full() const { return count() >= capacity_; }
    int count() const { return static_cast<int>(entries_.size()); }
    void add(DupesEntry entry) { entries_.push_back(std::move(entry)); }
    const DupesEntry &at(int i) const { return entries_[static_cast<std::size_t>(i)]; }

    // Numbers the groups of files with identical contents and returns how
    // many there are (see DupesGrouping.h).
    int group();
    int groupCount() const { return groups_; }

    // Indexes of the entries of group `number` that are not deleted, in
    // list order.
    QList<int> members(int number) const;

    // Marks the file `name` as deleted.
    void forget(const QString &name);

  private:
    int capacity_;
    std::vector<DupesEntry> entries_;
    int groups_ = 0;
};

}  // namespace tools
