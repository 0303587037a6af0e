#include "FileCrc32.h"

#include "Crc32.h"
#include "FileError.h"
#include "platform/ReadOnlyFile.h"

#include <zlib.h>
#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

namespace tools {

namespace {

// The read buffer, made once per thread and kept: allocating it per file
// costs more than reading a small file.
char *readBuffer() {
    thread_local const std::unique_ptr<char[]> buffer =
        std::make_unique_for_overwrite<char[]>(kCrcReadBlock);
    return buffer.get();
}

// Files from this size on are checksummed in slices on several cores:
// copying the bytes out of the page cache costs more than the checksum, and
// each core copies its own slice.
constexpr qint64 kSlicedFrom = 8 * 1024 * 1024;
constexpr unsigned kMostSlices = 4;

// One slice of a file, read with pread (safe from several threads at once)
// into the thread's own buffer.
struct Slice {
    qint64 from = 0;
    qint64 length = 0;
    quint32 crc = kCrc32Start;
    bool ok = false;
};

void checksumSlice(const platform::ReadOnlyFile &file, Slice &slice) {
    char *const buffer = readBuffer();
    qint64 done = 0;
    while (done < slice.length) {
        const qint64 got =
            file.readAt(buffer, std::min(kCrcReadBlock, slice.length - done), slice.from + done);
        if (got <= 0)
            return;  // a read error, or the file became shorter
        UpdateCrc32Block(buffer, static_cast<std::size_t>(got), slice.crc);
        done += got;
    }
    slice.ok = true;
}

// Runs the first `size` bytes of an open file through `crc` in parallel
// slices. False (and `crc` untouched) when any slice could not be read whole.
bool checksumSliced(const platform::ReadOnlyFile &file, qint64 size, quint32 &crc) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned count = std::min(cores, kMostSlices);
    std::vector<Slice> slices(count);
    const qint64 step = size / count;
    for (unsigned i = 0; i < count; ++i) {
        slices[i].from = step * i;
        slices[i].length = i + 1 == count ? size - slices[i].from : step;
    }
    slices[0].crc = crc;
    {
        std::vector<std::jthread> workers;
        for (unsigned i = 1; i < count; ++i)
            workers.emplace_back([&file, &slice = slices[i]] { checksumSlice(file, slice); });
        checksumSlice(file, slices[0]);
    }
    if (!std::all_of(slices.begin(), slices.end(), [](const Slice &s) { return s.ok; }))
        return false;
    // A register run over A and then B equals the complement of zlib's
    // combination of A's complemented register with B's standard CRC.
    quint32 joined = slices[0].crc;
    for (unsigned i = 1; i < count; ++i)
        joined = ~static_cast<quint32>(crc32_combine64(~joined, ~slices[i].crc, slices[i].length));
    crc = joined;
    return true;
}

}  // namespace

void FileCrc32(const platform::ReadOnlyFile &file, quint32 &crc, qint64 &byteCount) noexcept {
    byteCount = -1;
    if (!file.isOpen())
        return;
    try {
        char *const buffer = readBuffer();
        byteCount = 0;
        const qint64 size = file.size();
        if (size >= kSlicedFrom && std::thread::hardware_concurrency() > 1 &&
            checksumSliced(file, size, crc))
            byteCount = size;  // what was appended meanwhile is read on below
        for (;;) {
            const qint64 got = file.readAt(buffer, kCrcReadBlock, byteCount);
            if (got <= 0)
                break;
            UpdateCrc32Block(buffer, static_cast<std::size_t>(got), crc);
            byteCount += got;
            // A short read that reaches the size the file had when it was
            // opened is the end: a small file costs one read call, not two.
            if (got < kCrcReadBlock && byteCount >= size)
                break;
        }
    } catch (...) {
        // Only an allocation can fail here; what was counted stands.
    }
}

void FileCrc32(const QString &fileName, quint32 &crc, qint64 &byteCount) noexcept {
    byteCount = -1;
    try {
        FileCrc32(platform::ReadOnlyFile(fileName), crc, byteCount);
    } catch (...) {
        // The path could not be converted; the file counts as not opened.
    }
}

void FileRangeCrc32(const QString &fileName, qint64 fromPos, qint64 toPos, quint32 &crc) {
    const platform::ReadOnlyFile file(fileName);
    if (!file.isOpen())
        throw FileError(fileName, file.errorString());
    if (fromPos < 0)
        throw FileError(fileName, QStringLiteral("Seek error"));
    char buffer[4096];
    qint64 at = fromPos;
    qint64 left = toPos >= fromPos ? toPos - fromPos + 1 : 0;
    while (left > 0) {
        const qint64 got = file.readAt(buffer, std::min<qint64>(left, sizeof buffer), at);
        if (got < 0)
            throw FileError(fileName, QStringLiteral("Read error"));
        if (got == 0)
            throw FileError(fileName, QStringLiteral("Read beyond end of file"));
        UpdateCrc32Block(buffer, static_cast<std::size_t>(got), crc);
        at += got;
        left -= got;
    }
}

}  // namespace tools
