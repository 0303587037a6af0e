#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace zelib {

// The argument vector of zezip, as the component builds it:
//   password, options, archive, "-W", names and patterns, ["-i" patterns],
//   ["-x" patterns]
// or, for StampZipDate: password, "-o", archive.
//
// Accepted without effect: "-g" (update in place: the archive is always
// rebuilt in a temporary file and renamed, so that a failure leaves the old
// one), "-&" (wiping floppy sets before writing: multi-disk writing is
// refused anyway) and "-$" (volume labels do not exist here). "-b" names a
// folder for the temporary archive; it is ignored, see ZipOperation.h.
// Refused with ZE_ERR_UNSUPPORTED: "-X", "-M" (self-extractors) and "-!"
// (multi-disk). The first text that is no option is the archive; "-W" after
// it is optional; "-i" and "-x" in the list start the include and exclude
// patterns.
struct ZipArguments {
    enum class Action { Add, Freshen, Update, Stamp };

    std::string password;                     // argv[0], possibly empty
    Action action = Action::Add;              // "-f", "-u", "-o"
    bool encrypt = false;                     // "-e": AES-256 with the password
    int level = 6;                            // "-0" .. "-9"
    bool move = false;                        // "-m"
    bool hidden = false;                      // "-S"
    bool folderEntries = false;               // "-D"
    bool recurse = false;                     // "-r"
    bool junkPaths = false;                   // "-j"
    std::vector<std::string> storedSuffixes;  // "-n" ".ZIP;.LZH"
    std::optional<time_t> since;              // "-t" ddmmyyyy
    std::string tempFolder;                   // "-b": accepted, see ZipOperation
    std::string archive;
    std::vector<std::string> names;
    std::vector<std::string> includes;  // after "-i"
    std::vector<std::string> excludes;  // after "-x"
    uint64_t memoryBudget = 0;          // hidden "--memory-budget=N" for tests; 0 = default
    // "--no-flush": a new archive need not be on disk when the call returns,
    // because the caller deletes nothing on the strength of it. A replaced
    // archive and a move ("-m") are flushed all the same.
    bool flushNew = true;
};

// 0, or the result code for a vector that cannot be run: ZE_ERR_UNSUPPORTED
// for "-X", "-M" and "-!", ZE_ERR_INTERNAL for a malformed one.
int32_t parseZipArguments(int32_t argc, const char *const *argv, ZipArguments &out);

// Local midnight of a "ddmmyyyy" text, or nothing when it is not a date.
std::optional<time_t> parseDayDate(const std::string &text);

// "-n" lists: ".ZIP;.LZH" (";" or ":" between suffixes, blanks ignored).
std::vector<std::string> splitSuffixes(const std::string &text);

}  // namespace zelib
