#pragma once

#include "EntrySource.h"
#include "FileIdentity.h"

#include <string>

namespace zelib {

// An entry stored without compression ("-0", "-n" suffixes, empty files),
// read straight from its file through one descriptor. libzip computes the
// CRC for stored data itself. The file must be the one listed, unchanged,
// from its opening to its last byte; otherwise the entry fails with a read
// error.
class StoredFileSource : public EntrySource {
  public:
    StoredFileSource(Reporter &reporter, OperationFailure &failure, EntryFacts facts,
                     int32_t eventCode, std::string path, const FileIdentity &listed);
    ~StoredFileSource() override;

  protected:
    bool open() override;
    zip_int64_t read(uint8_t *buffer, uint64_t length) override;
    void close() override;
    void describe(zip_stat_t &stat) const override;

  private:
    std::string path_;
    FileIdentity listed_;
    int fd_ = -1;
    uint64_t done_ = 0;
    uint32_t crc_ = 0;
};

}  // namespace zelib
