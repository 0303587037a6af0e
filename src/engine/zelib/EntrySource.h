#pragma once

#include "Reporter.h"

#include <zip.h>
#include <cstdint>

namespace zelib {

// The first failure of an operation that libzip's own error cannot tell
// precisely (a source file that failed to read, the callback's abort).
struct OperationFailure {
    int32_t code = 0;
    void record(int32_t failure) {
        if (code == 0)
            code = failure;
    }
};

// The data of one new entry, handed to libzip as a zip_source_function.
// zip_close reads the sources one after the other on the calling thread; when
// an entry's data is complete its event (1010 added, 1000 replaced) goes out.
// libzip owns the source once attached and deletes it through ZIP_SOURCE_FREE.
class EntrySource {
  public:
    EntrySource(Reporter &reporter, OperationFailure &failure, EntryFacts facts, int32_t eventCode);
    virtual ~EntrySource() = default;
    EntrySource(const EntrySource &) = delete;
    EntrySource &operator=(const EntrySource &) = delete;

    // Wraps the source for libzip, or returns null (and deletes it) when
    // libzip cannot take it.
    static zip_source_t *attach(zip_t *archive, EntrySource *source);

  protected:
    virtual bool open() = 0;
    virtual zip_int64_t read(uint8_t *buffer, uint64_t length) = 0;
    virtual void close() {}
    virtual void describe(zip_stat_t &stat) const = 0;
    virtual uint16_t flagBits() const { return 0; }

    // The entry's data is complete: report it. False when the callback aborted.
    bool finishEntry(uint32_t crc, uint64_t compressedSize);
    bool finished() const { return finished_; }
    // Records the failure for the operation and for libzip. Returns -1.
    zip_int64_t fail(int zipError, int32_t code);

    Reporter &reporter_;
    EntryFacts facts_;

  private:
    // Called by libzip, a C library: nothing may be thrown through it. Any
    // exception fails the entry (and so the operation) instead.
    static zip_int64_t dispatch(void *userdata, void *data, zip_uint64_t length,
                                zip_source_cmd_t command) noexcept;
    zip_int64_t handle(void *data, zip_uint64_t length, zip_source_cmd_t command);

    OperationFailure &failure_;
    int32_t eventCode_;
    bool finished_ = false;
    zip_error_t error_{};
};

}  // namespace zelib
