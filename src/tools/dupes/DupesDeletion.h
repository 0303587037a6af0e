#pragma once

#include <QList>
#include <QStringList>

namespace tools {

// Which of the files `chosen` (paths of one duplicate group, chosen for
// deletion) may go now: those that still have the size and bytes of one of
// `kept`, the members of the group that stay. A file written to since the
// search, or whose kept twins changed or went, would otherwise take the only
// copy of its contents with it. With nothing of the group kept the user has
// chosen, and confirmed, to delete every copy: each may go.
QList<bool> stillDuplicates(const QStringList &chosen, const QStringList &kept);

}  // namespace tools
