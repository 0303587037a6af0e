#pragma once

#include "FileIdentity.h"

#include <sys/types.h>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelib {

// A file or folder to store.
struct SourceItem {
    std::string path;   // as it is opened: relative to the current folder, or absolute
    std::string entry;  // its name in the archive; folders end with "/"
    uint64_t size = 0;
    time_t mtime = 0;
    mode_t mode = 0;
    bool folder = false;
    FileIdentity identity;  // of a file, as listed
    ChangeTime changed;     // of a file, as listed
};

struct SourceRequest {
    std::vector<std::string> names;  // file names, folder names and patterns
    std::vector<std::string> includes, excludes;
    bool recurse = false;
    bool hidden = false;
    bool folderEntries = false;
    bool keepPaths = true;
    std::optional<time_t> since;
    // The archive being written, never stored in itself.
    dev_t archiveDevice = 0;
    ino_t archiveInode = 0;
    // Called for every name looked at, so that a long walk keeps the
    // component's window alive; returning false stops the walk.
    std::function<bool()> keepGoing;
};

struct SourceSkip {
    std::string name;
    uint8_t reason = 0;  // ZE_SKIP_NOT_FOUND, ZE_SKIP_UNREADABLE, ZE_SKIP_EXISTS
};

struct SourceList {
    std::vector<SourceItem> items;
    std::vector<SourceSkip> skipped;
    std::vector<std::string> folders;  // folders walked, deepest last (for "-m")
};

// Expands the names and patterns into the files to store. A pattern ("*",
// "docs/*.txt") takes the matching files of its folder, and with `recurse`
// those of every sub-folder too; a folder named without a pattern is taken
// whole with `recurse`. Names starting with "." are left out of patterns and
// walks unless `hidden`; symbolic links to files are stored as the files they
// point to, links to folders are not walked. A file met twice is taken once;
// another file whose entry name is already taken is skipped (ZE_SKIP_EXISTS).
SourceList collectSources(const SourceRequest &request);

}  // namespace zelib
