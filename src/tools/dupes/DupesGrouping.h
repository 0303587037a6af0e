#pragma once

#include "DupesTable.h"

#include <vector>

namespace tools {

// Gives every entry whose contents equal those of another entry a group
// number and returns the number of groups. Groups are numbered from 1 in
// the order of their first member, which is list order; each has at least
// two members. Entries of unknown contents (unread, unreadable) join no
// group: equal sizes and checksums alone never make a group, since
// deleting a file that only looked like another would lose its data.
int groupDuplicates(std::vector<DupesEntry> &entries);

}  // namespace tools
