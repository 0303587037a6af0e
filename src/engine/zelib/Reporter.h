#pragma once

#include "engine/ZeAbi.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace zelib {

// What the engine tells about one entry (codes 50, 60, 1000, 1010).
struct EntryFacts {
    std::string name;
    uint64_t size = 0;
    uint64_t compressedSize = 0;
    uint32_t crc = 0;
    time_t mtime = 0;
    uint8_t attributes = 0;  // bit 0 read-only, 1 hidden, 4 folder, 5 archive
    uint8_t method = 0;      // 0 stored, 8 deflated, 99 AES
    uint8_t versionNeeded = 20;
    bool encrypted = false;
    std::string comment;
};

// The one way back to the component. Every call happens on the thread that
// called the entry point; once the callback has answered 1 the operation is
// aborted and the callback is not called again. Progress (code 150) goes out
// at most every 50 ms from tick(), often enough for a window that pumps its
// messages inside the callback, and once more at the end with 100 %.
class Reporter {
  public:
    Reporter(ZeCallback callback, void *component);

    bool aborted() const { return aborted_; }

    // Progress bookkeeping.
    void begin(uint64_t files, uint64_t bytes);
    void startEntry(uint64_t size);
    void advance(uint64_t bytes);
    void finishEntry();
    // Sends 150 when 50 ms have passed since the last one. False once aborted.
    bool tick();
    // Sends 150 with everything done. False once aborted.
    bool finish();

    // Events. Each returns false once aborted.
    bool entry(int32_t code, const EntryFacts &facts);
    bool skipping(const std::string &name, uint8_t reason);
    bool deleting(const std::string &path);

    // Code 10: the answer (ZE_REPLACE_...) for an existing file; the block
    // starts with ZE_REPLACE_YES, so an untouched block replaces. With
    // ZE_REPLACE_RENAME the new name goes to `newName`.
    uint8_t askReplace(const std::string &path, std::string &newName);
    // Code 100: a password, or nothing when the component gave none.
    std::optional<std::string> askPassword(const std::string &name);

  private:
    bool send(int32_t code, void *block);
    bool sendProgress();

    ZeCallback callback_;
    void *component_;
    bool aborted_ = false;
    std::chrono::steady_clock::time_point lastProgress_;
    uint64_t totalFiles_ = 0, totalBytes_ = 0, doneFiles_ = 0, doneBytes_ = 0;
    uint64_t entrySize_ = 0, entryDone_ = 0;
};

}  // namespace zelib
