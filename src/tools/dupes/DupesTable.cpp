#include "DupesTable.h"

#include "DupesGrouping.h"

namespace tools {

void DupesTable::clear() {
    entries_.clear();
    groups_ = 0;
}

int DupesTable::group() {
    groups_ = groupDuplicates(entries_);
    return groups_;
}

QList<int> DupesTable::members(int number) const {
    QList<int> found;
    for (int i = 0; i < count(); ++i)
        if (at(i).group == number && !at(i).name.isEmpty())
            found << i;
    return found;
}

void DupesTable::forget(const QString &name) {
    for (DupesEntry &e : entries_)
        if (e.name == name)
            e.name.clear();
}

}  // namespace tools
