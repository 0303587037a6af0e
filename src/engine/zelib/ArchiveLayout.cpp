#include "ArchiveLayout.h"

#include "ReadAt.h"
#include "engine/ZeAbi.h"

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace zelib {

namespace {

constexpr uint64_t kEndRecordSize = 22;
constexpr uint64_t kLocatorSize = 20;
constexpr uint64_t kEnd64Size = 56;
constexpr uint64_t kCentralSize = 46;
constexpr uint64_t kLocalSize = 30;
constexpr uint64_t kMaxComment = 0xFFFF;

uint16_t get16(const uint8_t *p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t get32(const uint8_t *p) {
    return static_cast<uint32_t>(get16(p)) | static_cast<uint32_t>(get16(p + 2)) << 16;
}
uint64_t get64(const uint8_t *p) {
    return static_cast<uint64_t>(get32(p)) | static_cast<uint64_t>(get32(p + 4)) << 32;
}
bool signature(const uint8_t *p, uint8_t a, uint8_t b) {
    return p[0] == 'P' && p[1] == 'K' && p[2] == a && p[3] == b;
}

bool readWhole(int fd, uint64_t offset, uint8_t *buffer, uint64_t length) {
    return readAt(fd, offset, buffer, length) == 0;
}

struct Directory {
    uint64_t entries = 0;
    uint64_t size = 0;
    uint64_t offset = 0;
};

// Offsets of the end-of-directory records in the file's last 64 KiB, the
// ones whose comment ends the file first: a comment may hold the signature
// too, so each is only a candidate.
int32_t findEndRecords(int fd, uint64_t fileSize, std::vector<uint64_t> &found) {
    const uint64_t tailSize = std::min(fileSize, kEndRecordSize + kMaxComment);
    std::vector<uint8_t> tail(tailSize);
    if (!readWhole(fd, fileSize - tailSize, tail.data(), tailSize))
        return ZE_ERR_READ;
    std::vector<uint64_t> others;
    for (uint64_t i = tailSize < kEndRecordSize ? 0 : tailSize - kEndRecordSize + 1; i-- > 0;) {
        const uint8_t *end = tail.data() + i;
        if (!signature(end, 5, 6) || i + kEndRecordSize + get16(end + 20) > tailSize)
            continue;
        const bool endsFile = i + kEndRecordSize + get16(end + 20) == tailSize;
        (endsFile ? found : others).push_back(fileSize - tailSize + i);
    }
    found.insert(found.end(), others.begin(), others.end());
    return ZE_OK;
}

// The directory an end record describes, through its zip64 counterpart
// when there is one.
int32_t directoryAt(int fd, uint64_t fileSize, uint64_t endAt, Directory &directory) {
    uint8_t end[kEndRecordSize];
    if (!readWhole(fd, endAt, end, kEndRecordSize))
        return ZE_ERR_READ;
    directory.entries = get16(end + 10);
    directory.size = get32(end + 12);
    directory.offset = get32(end + 16);
    // The zip64 record is found through its locator, just before; a short
    // record that merely holds 65535 entries has none.
    uint8_t locator[kLocatorSize], end64[kEnd64Size];
    if (endAt >= kLocatorSize && readWhole(fd, endAt - kLocatorSize, locator, kLocatorSize) &&
        signature(locator, 6, 7)) {
        const uint64_t end64At = get64(locator + 8);
        if (end64At > fileSize || fileSize - end64At < kEnd64Size ||
            !readWhole(fd, end64At, end64, kEnd64Size) || !signature(end64, 6, 6))
            return ZE_ERR_INCOMPLETE;
        directory.entries = get64(end64 + 32);
        directory.size = get64(end64 + 40);
        directory.offset = get64(end64 + 48);
    }
    if (directory.offset > fileSize || directory.size > fileSize - directory.offset)
        return ZE_ERR_INCOMPLETE;
    return ZE_OK;
}

// The zip64 values that stand in for the fields set to all ones, in the
// order the format gives them.
bool applyZip64(const uint8_t *data, uint16_t size, uint64_t &uncompressed, uint64_t &compressed,
                uint64_t &offset) {
    uint16_t at = 0;
    for (uint64_t *field : {&uncompressed, &compressed, &offset}) {
        if (*field != 0xFFFFFFFF)
            continue;
        if (at + 8 > size)
            return false;
        *field = get64(data + at);
        at = static_cast<uint16_t>(at + 8);
    }
    return true;
}

int32_t readEntries(int fd, uint64_t fileSize, const Directory &directory, ArchiveLayout &layout) {
    layout = {};
    layout.directoryBegin = directory.offset;
    // Each central record takes at least 46 bytes: a count the directory
    // cannot hold is not believed (nor reserved for).
    if (directory.entries > directory.size / kCentralSize)
        return ZE_ERR_INCOMPLETE;
    std::vector<uint8_t> records(directory.size);
    if (!readWhole(fd, directory.offset, records.data(), directory.size))
        return ZE_ERR_READ;
    layout.entries.reserve(directory.entries);

    uint64_t at = 0;
    for (uint64_t n = 0; n < directory.entries; ++n) {
        if (directory.size - at < kCentralSize || !signature(records.data() + at, 1, 2))
            return ZE_ERR_INCOMPLETE;
        const uint8_t *record = records.data() + at;
        const uint16_t nameLength = get16(record + 28), extraLength = get16(record + 30),
                       commentLength = get16(record + 32);
        const uint64_t recordSize = kCentralSize + nameLength + extraLength + commentLength;
        if (directory.size - at < recordSize)
            return ZE_ERR_INCOMPLETE;
        EntrySpan span;
        span.name.assign(reinterpret_cast<const char *>(record + kCentralSize), nameLength);
        uint64_t uncompressed = get32(record + 24), compressed = get32(record + 20);
        span.header = get32(record + 42);
        const uint8_t *extra = record + kCentralSize + nameLength;
        for (uint32_t e = 0; e + 4 <= extraLength;) {
            const uint16_t id = get16(extra + e), size = get16(extra + e + 2);
            if (e + 4u + size > extraLength)
                break;
            if (id == 0x0001 &&
                !applyZip64(extra + e + 4, size, uncompressed, compressed, span.header))
                return ZE_ERR_INCOMPLETE;
            if (id == 0x9901 && size >= 7)
                span.aesMethodAt = directory.offset + at + kCentralSize + nameLength + e + 4 + 5;
            e += 4u + size;
        }
        at += recordSize;

        uint8_t local[kLocalSize];
        if (span.header > fileSize || fileSize - span.header < kLocalSize ||
            !readWhole(fd, span.header, local, kLocalSize) || !signature(local, 3, 4))
            return ZE_ERR_INCOMPLETE;
        span.dataBegin = span.header + kLocalSize + get16(local + 26) + get16(local + 28);
        if (compressed > std::numeric_limits<uint64_t>::max() - span.dataBegin)
            return ZE_ERR_INCOMPLETE;
        span.dataEnd = span.dataBegin + compressed;
        layout.entries.push_back(std::move(span));
    }
    return ZE_OK;
}

}  // namespace

int32_t readLayout(int fd, const std::function<bool(const ArchiveLayout &)> &agrees,
                   ArchiveLayout &layout) {
    struct stat info {};
    if (fstat(fd, &info) != 0)
        return ZE_ERR_READ;
    const uint64_t fileSize = static_cast<uint64_t>(info.st_size);
    std::vector<uint64_t> ends;
    if (const int32_t code = findEndRecords(fd, fileSize, ends))
        return code;
    for (const uint64_t endAt : ends) {
        Directory directory;
        int32_t code = directoryAt(fd, fileSize, endAt, directory);
        if (code == ZE_OK)
            code = readEntries(fd, fileSize, directory, layout);
        if (code == ZE_ERR_READ)
            return code;
        if (code == ZE_OK && agrees(layout))
            return ZE_OK;
    }
    layout = {};
    return ZE_ERR_INCOMPLETE;
}

int32_t checkEntriesApart(const ArchiveLayout &layout) {
    std::vector<const EntrySpan *> spans;
    spans.reserve(layout.entries.size());
    for (const EntrySpan &span : layout.entries) {
        if (span.dataEnd > layout.directoryBegin)
            return ZE_ERR_INCOMPLETE;
        spans.push_back(&span);
    }
    std::sort(spans.begin(), spans.end(),
              [](const EntrySpan *a, const EntrySpan *b) { return a->header < b->header; });
    for (size_t i = 1; i < spans.size(); ++i)
        if (spans[i]->header < spans[i - 1]->dataEnd)
            return ZE_ERR_INCOMPLETE;
    return ZE_OK;
}

}  // namespace zelib
