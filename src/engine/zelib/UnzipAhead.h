#pragma once

#include "ByteBuffer.h"
#include "CheckedArchive.h"
#include "FileIdentity.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct libdeflate_decompressor;

namespace zelib {

// What was done for one archive ahead of its call: the archive opened and
// checked as the call would, and the data of its smaller plain entries
// inflated and checked against their CRC.
struct ReadAhead {
    std::string path;
    CheckedArchive archive;
    // By entry index: the entries found intact, with their data when it
    // was kept for an extraction.
    std::map<zip_uint64_t, ByteBuffer> inflated;
    bool dataKept = false;
};

// Reading for Test and Extract calls still to come. A batch that extracts or
// tests many archives leaves cores idle while one archive's files are
// written and its events go out; told which archives its next calls will
// name, the engine opens and inflates them meanwhile on threads of its own,
// within bounded memory: entries up to kEntryLimit, kTotal in all (on
// top of the calls' own budget); larger
// ones, encrypted ones and other methods are left to the call. Nothing of
// this shows: no file is written and no callback made ahead, and an archive
// that fails ahead in any way is simply forgotten, so that its call meets
// the failure itself and reports it. A call that names the next archive
// expected takes what was done for it when the file is still the one read
// (same identity and change time); a call that names anything else drops
// everything expected.
class UnzipAhead {
  public:
    static constexpr uint64_t kEntryLimit = uint64_t{64} << 20;
    static constexpr uint64_t kTotal = uint64_t{128} << 20;

    static UnzipAhead &shared();
    ~UnzipAhead();

    // The archives of the next calls, in order. Those already expected in
    // the same order are kept, also when the list starts further on (the
    // archives passed over go); everything else expected is dropped. An
    // empty list drops everything.
    // `testing`: the calls test, so only the verdicts are kept, no data.
    void expect(const std::vector<std::string> &paths, bool testing);
    // The work done for a call that names `path`: null when `path` is not the
    // next archive expected, when it was not read whole ahead, or when the
    // file has changed since. Waits while that archive is being read.
    std::unique_ptr<ReadAhead> claim(const std::string &path);
    // Drops everything expected, and gives back the pages kept for reuse.
    void drop();
    // True when no call is expected: a call that ends then gives back the
    // pages kept for reuse.
    bool expectsNothing();
    // Waits until the work ahead has gone as far as it may; the number of
    // archives it holds read.
    size_t waitUntilIdle();

  private:
    struct Expected {
        enum class State { Waiting, Reading, Read, Failed };
        std::string path;
        uint64_t size = 0;  // of the file when it was expected
        State state = State::Waiting;
        bool dropped = false;
        uint64_t bytes = 0;  // of the memory ahead
        std::unique_ptr<ReadAhead> read;
    };
    using Item = std::shared_ptr<Expected>;

    UnzipAhead() = default;
    void work() noexcept;
    // What was read for `item`, when `path` still names the file read.
    std::unique_ptr<ReadAhead> takeChecked(const Item &item, const std::string &path);
    std::unique_ptr<ReadAhead> readAhead(Expected &item, libdeflate_decompressor *decompressor);
    // Memory for an entry ahead: false when it does not fit or the archive
    // was dropped meanwhile.
    bool reserve(Expected &item, uint64_t bytes);
    void release(Expected &item, uint64_t bytes);
    void forgetLocked(Expected &item);
    void dropLocked();
    bool busyLocked() const;
    Item nextLocked() const;

    std::mutex mutex_;
    std::condition_variable workAvailable_;  // for the workers
    std::condition_variable readDone_;       // for the calls and the idle wait
    std::deque<Item> expected_;
    bool testing_ = false;
    uint64_t held_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace zelib
