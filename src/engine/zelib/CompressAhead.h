#pragma once

#include "CompressPipeline.h"
#include "FileIdentity.h"
#include "MemoryBudget.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zelib {

struct ZipArguments;

// A file to compress, as its zip call lists it.
struct ListedFile {
    std::string path;
    FileIdentity identity;
    ChangeTime changed;
    bool operator==(const ListedFile &) const = default;
};

// Compression for zip calls still to come. A batch that packs many small
// files into an archive each leaves a core idle while one archive is
// written; told which files its next calls will name, the engine compresses
// them meanwhile in a pipeline of their own (at most a quarter of the memory
// budget). A call that names exactly the next file expected, unchanged since
// (same identity and change time), takes its chunks from there; the archive
// is byte for byte the one it would have made itself. Nothing of this shows:
// no file is written and no callback made ahead. A call that names anything
// else drops everything expected.
class CompressAhead {
  public:
    static CompressAhead &shared();

    // What one call will compress: at most one file. A call that would
    // compress several cannot be expected.
    struct Call {
        bool expectable = false;
        std::optional<ListedFile> file;
    };
    // The names of the next calls, one name per call, at `level` within
    // `budget`; `list` tells what each name's call would compress. Calls
    // already expected in this order are kept; from the first that differs
    // on, everything is dropped and expected anew. A call that cannot be
    // expected ends the expectation.
    void expect(const std::vector<std::string> &names,
                const std::function<Call(const std::string &)> &list, int level,
                const MemoryBudget &budget);

    // A call naming `names` that compresses `files`, in archive order. When
    // it is the next call expected, with the same files, level and chunks,
    // the pipeline that holds its one file (none when the call compresses
    // nothing) and the file's first chunk; otherwise nothing, and nothing
    // stays expected.
    struct Claim {
        std::shared_ptr<CompressPipeline> pipeline;
        size_t first = 0;
    };
    std::optional<Claim> claim(const std::vector<std::string> &names,
                               const std::vector<ListedFile> &files, int level,
                               const MemoryBudget &budget);

    void drop();
    // Waits until the work ahead has gone as far as its window lets it.
    void waitUntilIdle();

  private:
    struct Expected {
        std::string name;
        std::optional<ListedFile> file;
        size_t first = 0;
    };
    void dropLocked();

    std::mutex mutex_;
    std::shared_ptr<CompressPipeline> pipeline_;
    std::deque<Expected> expected_;
};

// Tells the shared CompressAhead the calls that `args` names: the calls of
// the file batch, each naming one file, with the options of `args`. Only
// plain adds are expected; anything else drops what was expected.
void expectZipCalls(const ZipArguments &args);

}  // namespace zelib
