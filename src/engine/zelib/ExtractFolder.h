#pragma once

#include "UnzipArguments.h"

#include <cstdint>
#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace zelib {

class Reporter;

// Where an entry goes, decided on the calling thread before its data is read.
struct ExtractPlan {
    enum class Kind { Skip, Folder, File } kind = Kind::Skip;
    std::string path;        // final path of the file
    bool replace = false;    // an existing file may be replaced
    uint8_t skipReason = 0;  // ZE_SKIP_... for a skipped entry, 0 for a silent skip
    int32_t code = 0;        // result code the skip counts as (0 when it is the user's choice)
};

// The extraction folder: turns entry names into safe paths below it, makes
// the folders on the way, and applies the freshen, update and overwrite
// rules. Nothing is ever written outside it: names lose their root, drive
// and ".." parts, and a symbolic link met on the way to a file stops that
// file.
class ExtractFolder {
  public:
    ExtractFolder(std::string root, const UnzipArguments &args);

    // Creates the folder if needed: 0 or ZE_ERR_TEMP.
    int32_t prepare();
    ExtractPlan plan(const std::string &entryName, time_t entryTime, bool symlink,
                     Reporter &reporter);
    // The path an entry would be written to before any question is asked.
    std::string targetOf(const std::string &entryName) const;
    // Removes the folders this extraction made that are still empty, deepest
    // first: an archive that could not be extracted leaves no empty shells.
    // A folder that holds anything, by now or by another program, stays.
    void removeEmptyMadeFolders();

  private:
    // Walks (and with `create` makes) the folders of a relative path: 0 when
    // they are (or may become) folders, else the ZE_SKIP_ reason: a link
    // (ZE_SKIP_UNSAFE_NAME), or a file in the way or a folder that cannot be
    // made (ZE_SKIP_EXISTS).
    uint8_t makeFolders(const std::string &relative, bool create);
    // False when the file system could not hold the path below the folder
    // (too long as a whole, or a part too long): such a name is refused
    // before any of its folders is made.
    bool fits(const std::string &relative) const;
    ExtractPlan planFile(std::string relative, time_t entryTime, Reporter &reporter);

    std::string root_;
    long nameMax_ = 255;
    const UnzipArguments &args_;
    std::set<std::string> madeFolders_;
    std::vector<std::string> created_;  // in the order they were made
};

}  // namespace zelib
