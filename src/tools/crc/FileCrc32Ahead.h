#pragma once

#include "Crc32.h"
#include "FileCrc32.h"

#include <QStringList>
#include <QtGlobal>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tools {

// FileCrc32 of a list of files taken one after the other, read by two
// threads: a second thread reads a few files ahead of the one asked for, so
// that reading overlaps with what the caller does with each result (adding
// a row, letting window messages run), and the caller's thread reads the
// next files itself rather than wait. What was read ahead and is never
// taken is dropped: reading a file shows nothing. Files of kAheadLargest
// bytes and more are left to the caller's thread, where FileCrc32 reads
// them on every core, so that ending early never waits for a large file
// nobody asked for.
class FileCrc32Ahead {
  public:
    static constexpr int kAhead = 16;
    static constexpr qint64 kAheadLargest = 8 * 1024 * 1024;

    struct Result {
        quint32 crc = kCrc32Start;  // the register, not yet complemented
        qint64 byteCount = -1;
        // False when the caller's `going` gave the file up before its end.
        bool finished = true;
    };

    explicit FileCrc32Ahead(QStringList paths);
    ~FileCrc32Ahead();
    FileCrc32Ahead(const FileCrc32Ahead &) = delete;
    FileCrc32Ahead &operator=(const FileCrc32Ahead &) = delete;

    // FileCrc32 of paths[i] from kCrc32Start. Asked for in order, each
    // once: i = 0, 1, 2, ... A file read on the caller's thread (a large
    // one, or one the reader had not reached) tells `going` between its
    // blocks.
    Result take(qsizetype i, const Crc32Going &going = {});

  private:
    struct Slot {
        qsizetype index = -1;  // the path whose result this is, once read
        Result result;
        bool leftToCaller = false;
    };
    // Whether a path may be claimed now: within kAhead of the next to take.
    bool roomAhead() const;
    // Reads the path `claimed` (with the lock released) and files its slot.
    void readClaimed(std::unique_lock<std::mutex> &lock, qsizetype claimed, bool ahead,
                     const Crc32Going &going);
    void readAhead();

    const QStringList paths_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::array<Slot, kAhead> slots_;
    qsizetype claimed_ = 0;  // paths claimed for reading so far, in order
    qsizetype taken_ = 0;    // results taken so far
    bool readerWaits_ = false;
    bool takerWaits_ = false;
    bool stopping_ = false;
    std::thread reader_;  // last: started once everything else is there
};

}  // namespace tools
