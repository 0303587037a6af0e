#include "FileCrc32.h"

#include "Crc32.h"
#include "FileError.h"
#include "platform/ReadOnlyFile.h"

#include <zlib.h>
#include <algorithm>
#include <atomic>
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

// Files from this size on are checksummed in pieces on several cores:
// copying the bytes out of the page cache costs more than the checksum, and
// each core copies its own pieces.
constexpr qint64 kSlicedFrom = 8 * 1024 * 1024;
constexpr unsigned kMostThreads = 4;
// Pieces are claimed one at a time by whichever thread is free, so a core
// taken by another program holds up one piece, not half the file.
constexpr qint64 kPiece = 4 * 1024 * 1024;

// Runs one piece of a file through `crc`, read with pread (safe from several
// threads at once) into the thread's own buffer. False on a read error or
// when the file became shorter.
bool checksumPiece(const platform::ReadOnlyFile &file, qint64 from, qint64 length, quint32 &crc) {
    char *const buffer = readBuffer();
    for (qint64 done = 0; done < length;) {
        const qint64 got = file.readAt(buffer, std::min(kCrcReadBlock, length - done), from + done);
        if (got <= 0)
            return false;
        UpdateCrc32Block(buffer, static_cast<std::size_t>(got), crc);
        done += got;
    }
    return true;
}

enum class Sliced { done, failed, givenUp };

// Runs the first `size` bytes of an open file through `crc` in pieces on
// several threads; the caller's thread tells `going` between its pieces.
// Failed (and `crc` untouched) when any piece could not be read whole.
Sliced checksumSliced(const platform::ReadOnlyFile &file, qint64 size, quint32 &crc,
                      const Crc32Going &going) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<quint32> pieces(static_cast<std::size_t>((size + kPiece - 1) / kPiece),
                                kCrc32Start);
    const auto length = [&](std::size_t k) {
        return std::min(kPiece, size - static_cast<qint64>(k) * kPiece);
    };
    pieces[0] = crc;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::atomic<bool> givenUp{false};
    const auto work = [&](bool caller) {
        while (!failed && !givenUp) {
            // The caller's thread answers before each piece it takes, the
            // first too: the other threads may leave it few or none.
            if (caller && going &&
                !going(std::min(size, static_cast<qint64>(next) * kPiece), size)) {
                givenUp = true;
                break;
            }
            const std::size_t k = next++;
            if (k >= pieces.size())
                break;
            if (!checksumPiece(file, static_cast<qint64>(k) * kPiece, length(k), pieces[k]))
                failed = true;
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < std::min(cores, kMostThreads); ++i)
            helpers.emplace_back(work, false);
        work(true);
    }
    if (givenUp)
        return Sliced::givenUp;
    if (failed)
        return Sliced::failed;
    // A register run over A and then B equals the complement of zlib's
    // combination of A's complemented register with B's standard CRC.
    quint32 joined = pieces[0];
    for (std::size_t k = 1; k < pieces.size(); ++k)
        joined = ~static_cast<quint32>(crc32_combine64(~joined, ~pieces[k], length(k)));
    crc = joined;
    return Sliced::done;
}

}  // namespace

void FileCrc32(const platform::ReadOnlyFile &file, quint32 &crc, qint64 &byteCount) noexcept {
    FileCrc32(file, crc, byteCount, Crc32Going());
}

bool FileCrc32(const platform::ReadOnlyFile &file, quint32 &crc, qint64 &byteCount,
               const Crc32Going &going) noexcept {
    byteCount = -1;
    if (!file.isOpen())
        return true;
    try {
        char *const buffer = readBuffer();
        byteCount = 0;
        const qint64 size = file.size();
        if (size >= kSlicedFrom && std::thread::hardware_concurrency() > 1) {
            switch (checksumSliced(file, size, crc, going)) {
                case Sliced::done:
                    byteCount = size;  // what was appended meanwhile is read on below
                    break;
                case Sliced::givenUp:
                    return false;
                case Sliced::failed:
                    break;
            }
        }
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
            if (going && !going(byteCount, size))
                return false;
        }
    } catch (...) {
        // Only an allocation can fail here; what was counted stands.
    }
    return true;
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
