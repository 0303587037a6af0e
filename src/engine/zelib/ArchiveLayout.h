#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelib {

// Where one entry lies in the archive file.
struct EntrySpan {
    std::string name;        // as stored, undecoded
    uint64_t header = 0;     // its local header
    uint64_t dataBegin = 0;  // its data, after the local header
    uint64_t dataEnd = 0;
    // Offset in the file of the WinZip AES extra field's "actual method" in
    // the entry's central record; 0 when the entry has none.
    uint64_t aesMethodAt = 0;
};

// The entries in central directory order, and where that directory starts.
// libzip does not tell where an entry's bytes are, so they are read here
// from the central directory and the local headers.
struct ArchiveLayout {
    uint64_t directoryBegin = 0;
    std::vector<EntrySpan> entries;
};

// Reads the layout of the archive open as `fd`: 0, or ZE_ERR_READ when the
// file cannot be read, ZE_ERR_INCOMPLETE when its records do not hold
// together. Of several end records (a comment may hold one) the first whose
// layout `agrees` (with what libzip read) is taken.
int32_t readLayout(int fd, const std::function<bool(const ArchiveLayout &)> &agrees,
                   ArchiveLayout &layout);

// In a sound archive every entry has bytes of its own: no two entries share
// a local header or data, and none reaches into the central directory.
// Archives that break this are built to make a few kilobytes inflate to
// gigabytes ("zip bombs"), or are damaged. 0, or ZE_ERR_INCOMPLETE.
int32_t checkEntriesApart(const ArchiveLayout &layout);

}  // namespace zelib
