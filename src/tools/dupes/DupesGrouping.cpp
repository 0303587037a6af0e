#include "DupesGrouping.h"

#include <unordered_map>

namespace tools {

int groupDuplicates(std::vector<DupesEntry> &entries) {
    std::unordered_map<int, int> members;  // content class -> entries holding it
    for (const DupesEntry &e : entries)
        if (e.contentClass >= 0)
            ++members[e.contentClass];
    std::unordered_map<int, int> numberOf;  // content class -> group number
    int groups = 0;
    for (DupesEntry &e : entries) {
        e.group = -1;
        if (e.contentClass < 0 || members[e.contentClass] < 2)
            continue;
        auto [it, added] = numberOf.emplace(e.contentClass, groups + 1);
        if (added)
            ++groups;
        e.group = it->second;
    }
    return groups;
}

}  // namespace tools
