#include "ContentClasses.h"

#include "platform/MessagePace.h"
#include "platform/ReadOnlyFile.h"
#include "tools/crc/Crc32.h"
#include "tools/crc/FileCrc32.h"

#include <unistd.h>
#include <zlib.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <thread>

namespace tools {

namespace {

// Files read side by side: each holds a descriptor and a read buffer.
constexpr std::size_t kMostTogether = 64;
// Read buffers of all files of one slice together stay within this, so
// that the blocks compared are still in the core's cache.
constexpr qint64 kBufferBudget = 8 * 1024 * 1024;
constexpr qint64 kLargestBlock = 256 * 1024;
constexpr qint64 kSmallestBlock = 16 * 1024;
// Files from this size on are compared in slices on several cores, as the
// whole-file checksum does it.
constexpr qint64 kSlicedFrom = 8 * 1024 * 1024;
constexpr unsigned kMostSlices = 4;

// Bytes read between two looks at the caller's messages, and what opening
// and reading one small file counts for. A slow disk reads far fewer bytes
// in the time the window may wait, so the caller is asked by the clock too,
// more often than it lets its messages run: it paces them itself.
constexpr qint64 kAskEvery = 16 * 1024 * 1024;
constexpr qint64 kFileCost = 64 * 1024;
constexpr int kAskAfterMs = 10;

// Lets the caller's messages run now and then during a long read (only from
// the calling thread), tells it how many bytes all threads have read, and
// carries its answer, stop or go on, to every slice.
class Pacer {
  public:
    explicit Pacer(const std::function<bool(qint64)> &keepReading) : keepReading_(keepReading) {}
    // Bytes read by any thread.
    void counted(qint64 bytes) { bytesRead_.fetch_add(bytes, std::memory_order_relaxed); }
    // Work done on the calling thread, in bytes or what a file counts for.
    void worked(qint64 cost) {
        since_ += cost;
        if (since_ < kAskEvery && !clock_.due())
            return;
        since_ = 0;
        if (keepReading_ && !keepReading_(bytesRead_.load(std::memory_order_relaxed)))
            stopped_ = true;
    }
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }

  private:
    const std::function<bool(qint64)> &keepReading_;
    qint64 since_ = 0;
    MessagePace clock_{kAskAfterMs};
    std::atomic<qint64> bytesRead_{0};
    std::atomic<bool> stopped_{false};
};

// Reads exactly `length` bytes at `offset`; false on a read error or when
// the file ends first.
bool readExactly(int fd, char *buffer, qint64 length, qint64 offset) {
    while (length > 0) {
        const ssize_t got =
            ::pread(fd, buffer, static_cast<size_t>(length), static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        buffer += got;
        length -= got;
        offset += got;
    }
    return true;
}

// What one slice of the byte range found for each file.
struct SliceOutcome {
    // Files of equal label agree over the slice; -1 when the slice could not
    // be read. Labels are the slice's own.
    std::vector<int> label;
    std::vector<quint32> crc;
    // Whether the file was read through the whole slice (only then is its
    // checksum of the slice complete).
    std::vector<char> readThrough;
};

// Compares files over [from, from + length): all files start in one class,
// each block splits the classes by contents, and a file left alone in its
// class is read no further.
// `asks` is set for the slice read on the calling thread.
SliceOutcome compareSlice(const std::vector<int> &fds, qint64 from, qint64 length, Pacer &pacer,
                          bool asks) {
    const std::size_t n = fds.size();
    SliceOutcome out{std::vector<int>(n, -1), std::vector<quint32>(n, kCrc32Start),
                     std::vector<char>(n, 0)};
    // No larger than the slice: small files are the common case, and their
    // buffers should cost no more than their bytes.
    const qint64 block =
        std::min(std::clamp(kBufferBudget / static_cast<qint64>(std::max<std::size_t>(n, 1)),
                            kSmallestBlock, kLargestBlock),
                 std::max<qint64>(length, 1));
    int nextLabel = 0;
    std::vector<std::vector<std::size_t>> classes;
    if (n > 1) {
        classes.emplace_back(n);
        for (std::size_t i = 0; i < n; ++i)
            classes.front()[i] = i;
    } else if (n == 1) {
        out.label[0] = nextLabel++;
    }
    const auto buffers = std::make_unique_for_overwrite<char[]>(
        static_cast<std::size_t>(classes.empty() ? 0 : block) * n);
    const auto bufferOf = [&](std::size_t i) {
        return buffers.get() + i * static_cast<std::size_t>(block);
    };

    for (qint64 done = 0; done < length && !classes.empty() && !pacer.stopped();) {
        const qint64 want = std::min(block, length - done);
        qint64 readNow = 0;
        std::vector<std::vector<std::size_t>> next;
        for (const auto &members : classes) {
            std::vector<std::vector<std::size_t>> parts;
            for (const std::size_t m : members) {
                if (!readExactly(fds[m], bufferOf(m), want, from + done))
                    continue;  // label stays -1: unreadable, like no other file
                UpdateCrc32Block(bufferOf(m), static_cast<std::size_t>(want), out.crc[m]);
                readNow += want;
                auto same = std::find_if(parts.begin(), parts.end(), [&](const auto &part) {
                    return std::memcmp(bufferOf(part.front()), bufferOf(m),
                                       static_cast<std::size_t>(want)) == 0;
                });
                if (same == parts.end())
                    parts.push_back({m});
                else
                    same->push_back(m);
            }
            for (auto &part : parts) {
                if (part.size() == 1)
                    out.label[part.front()] = nextLabel++;
                else
                    next.push_back(std::move(part));
            }
        }
        classes = std::move(next);
        done += want;
        pacer.counted(readNow);
        if (asks)
            pacer.worked(readNow);
    }
    for (const auto &members : classes) {
        const int label = nextLabel++;
        for (const std::size_t m : members) {
            out.label[m] = label;
            out.readThrough[m] = 1;
        }
    }
    return out;
}

// Compares open files that all have `size` bytes, in slices on several cores
// when they are large, and gives each its class (from `nextClass` on, -1
// when unreadable) and its checksum where it was read whole.
void compareFilesOfOneSize(const std::vector<int> &fds, qint64 size, int &nextClass,
                           std::vector<ContentReading *> &readings, Pacer &pacer) {
    // Asked once: the answer is read from a file on every call.
    static const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned count = size >= kSlicedFrom && fds.size() > 1 ? std::min(cores, kMostSlices) : 1;
    std::vector<SliceOutcome> slices(count);
    std::vector<qint64> lengths(count);
    const qint64 step = size / count;
    {
        std::vector<std::jthread> workers;
        for (unsigned s = 0; s < count; ++s) {
            const qint64 from = step * s;
            lengths[s] = s + 1 == count ? size - from : step;
            auto work = [&, s, from] {
                slices[s] = compareSlice(fds, from, lengths[s], pacer, s + 1 == count);
            };
            if (s + 1 == count)
                work();
            else
                workers.emplace_back(work);
        }
    }
    // Two files are alike when they agree in every slice.
    std::map<std::vector<int>, int> classOf;
    for (std::size_t i = 0; i < fds.size(); ++i) {
        std::vector<int> labels(count);
        bool readable = true;
        bool whole = true;
        quint32 crc = slices[0].crc[i];
        for (unsigned s = 0; s < count; ++s) {
            labels[s] = slices[s].label[i];
            readable = readable && labels[s] >= 0;
            whole = whole && slices[s].readThrough[i];
            if (s > 0)
                crc = ~static_cast<quint32>(crc32_combine64(~crc, ~slices[s].crc[i], lengths[s]));
        }
        // A file that has grown since it was opened is not the file compared.
        char extra;
        readable = readable && ::pread(fds[i], &extra, 1, static_cast<off_t>(size)) == 0;
        ContentReading &r = *readings[i];
        r.crcKnown = readable && whole;
        r.crc = ~crc;
        if (readable) {
            const auto [it, added] = classOf.emplace(std::move(labels), nextClass);
            if (added)
                ++nextClass;
            r.contentClass = it->second;
        }
    }
}

// Classifies up to kMostTogether files at once, classes from `nextClass` on.
std::vector<ContentReading> classifyTogether(const QStringList &paths, int &nextClass,
                                             Pacer &pacer) {
    const auto n = static_cast<std::size_t>(paths.size());
    std::vector<ContentReading> readings(n);
    std::vector<std::unique_ptr<platform::ReadOnlyFile>> opened(n);
    std::map<qint64, std::vector<std::size_t>> bySize;
    for (std::size_t i = 0; i < n; ++i) {
        opened[i] = std::make_unique<platform::ReadOnlyFile>(paths[static_cast<qsizetype>(i)]);
        if (!opened[i]->isOpen()) {
            opened[i].reset();
            continue;
        }
        readings[i].byteCount = opened[i]->size();
        bySize[readings[i].byteCount].push_back(i);
    }
    for (const auto &[size, members] : bySize) {
        std::vector<int> fds;
        std::vector<ContentReading *> group;
        for (const std::size_t m : members) {
            fds.push_back(opened[m]->handle());
            group.push_back(&readings[m]);
        }
        pacer.worked(kFileCost * static_cast<qint64>(members.size()));
        compareFilesOfOneSize(fds, size, nextClass, group, pacer);
    }
    return readings;
}

// Whether two files hold the same bytes.
bool sameContents(const QString &a, const QString &b, Pacer &pacer) {
    int classes = 0;
    const std::vector<ContentReading> r = classifyTogether({a, b}, classes, pacer);
    return r[0].contentClass >= 0 && r[0].contentClass == r[1].contentClass;
}

// More files than can be read side by side: each file in turn is
// checksummed, then compared with one file of each class of its size and
// checksum found so far, joining the first it equals. So every file taken
// has its final class at once, and a stop keeps the classes found so far.
std::vector<ContentReading> classifyMany(const QStringList &paths, Pacer &pacer) {
    std::vector<ContentReading> readings(static_cast<std::size_t>(paths.size()));
    int nextClass = 0;
    // One member (path index) per class, by size and checksum.
    std::map<std::pair<qint64, quint32>, std::vector<std::pair<qsizetype, int>>> classes;
    for (qsizetype i = 0; i < paths.size() && !pacer.stopped(); ++i) {
        ContentReading &r = readings[static_cast<std::size_t>(i)];
        quint32 crc = kCrc32Start;
        qint64 byteCount = -1;
        // A large file lets messages run while it is read, and a stop
        // gives it up: a file cut short proves nothing.
        qint64 told = 0;
        const auto tell = [&](qint64 bytesRead) {
            pacer.counted(bytesRead - told);
            pacer.worked(bytesRead - told);
            told = bytesRead;
        };
        const bool whole = FileCrc32(platform::ReadOnlyFile(paths[i]), crc, byteCount,
                                     [&](qint64 bytesRead, qint64) {
                                         tell(bytesRead);
                                         return !pacer.stopped();
                                     });
        if (!whole)
            return readings;
        tell(std::max(byteCount, told));
        pacer.worked(kFileCost);
        r.byteCount = byteCount;
        if (r.byteCount < 0)
            continue;
        r.crc = ~crc;
        r.crcKnown = true;
        auto &alike = classes[{r.byteCount, r.crc}];
        int cls = -1;
        for (const auto &[member, memberClass] : alike) {
            const bool same = sameContents(paths[member], paths[i], pacer);
            if (pacer.stopped())
                return readings;  // cut short: this file proves nothing
            if (same) {
                cls = memberClass;
                break;
            }
        }
        if (cls < 0) {
            cls = nextClass++;
            alike.emplace_back(i, cls);
        }
        r.contentClass = cls;
    }
    return readings;
}

}  // namespace

std::vector<ContentReading> classifyContents(
    const QStringList &paths, const std::function<bool(qint64 bytesRead)> &keepReading) {
    Pacer pacer(keepReading);
    if (static_cast<std::size_t>(paths.size()) > kMostTogether)
        return classifyMany(paths, pacer);
    int nextClass = 0;
    std::vector<ContentReading> readings = classifyTogether(paths, nextClass, pacer);
    // Read side by side, no file was compared whole: a comparison cut short
    // proves nothing.
    if (pacer.stopped())
        for (ContentReading &r : readings)
            r.contentClass = -1;
    return readings;
}

}  // namespace tools
