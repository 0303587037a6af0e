#include "FileCrc32Ahead.h"

#include "FileCrc32.h"
#include "platform/ReadOnlyFile.h"

namespace tools {

FileCrc32Ahead::FileCrc32Ahead(QStringList paths)
    : paths_(std::move(paths)), reader_([this] { readAhead(); }) {}

FileCrc32Ahead::~FileCrc32Ahead() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    reader_.join();
}

bool FileCrc32Ahead::roomAhead() const {
    return claimed_ < paths_.size() && claimed_ < taken_ + kAhead;
}

void FileCrc32Ahead::readClaimed(std::unique_lock<std::mutex> &lock, qsizetype claimed, bool ahead,
                                 const Crc32Going &going) {
    lock.unlock();
    Slot slot;
    slot.index = claimed;
    const platform::ReadOnlyFile file(paths_[claimed]);
    slot.leftToCaller = ahead && file.isOpen() && file.size() >= kAheadLargest;
    if (!slot.leftToCaller)
        slot.result.finished =
            FileCrc32(file, slot.result.crc, slot.result.byteCount, ahead ? Crc32Going() : going);
    lock.lock();
    slots_[static_cast<std::size_t>(claimed % kAhead)] = slot;
}

void FileCrc32Ahead::readAhead() {
    std::unique_lock lock(mutex_);
    for (;;) {
        readerWaits_ = true;
        changed_.wait(lock, [&] { return stopping_ || roomAhead() || claimed_ == paths_.size(); });
        readerWaits_ = false;
        if (stopping_ || claimed_ == paths_.size())
            return;
        const qsizetype claimed = claimed_++;
        readClaimed(lock, claimed, true, {});
        // Wake-ups cost a system call each: only the one the taker waits for.
        if (takerWaits_ && claimed == taken_)
            changed_.notify_all();
    }
}

FileCrc32Ahead::Result FileCrc32Ahead::take(qsizetype i, const Crc32Going &going) {
    std::unique_lock lock(mutex_);
    Slot &wanted = slots_[static_cast<std::size_t>(i % kAhead)];
    while (wanted.index != i) {
        if (roomAhead()) {
            // Rather than wait, read the next file that nobody reads yet
            // (a large one only when it is the one wanted).
            const qsizetype claimed = claimed_++;
            readClaimed(lock, claimed, claimed != i, going);
            continue;
        }
        takerWaits_ = true;
        changed_.wait(lock);
        takerWaits_ = false;
    }
    const Slot slot = wanted;
    taken_ = i + 1;
    // The reader goes on once half its room is free, not after every file.
    const bool wake = readerWaits_ && claimed_ - taken_ <= kAhead / 2;
    lock.unlock();
    if (wake)
        changed_.notify_all();
    if (!slot.leftToCaller)
        return slot.result;
    Result result;
    try {
        const platform::ReadOnlyFile file(paths_[i]);
        result.finished = FileCrc32(file, result.crc, result.byteCount, going);
    } catch (...) {
        // The path could not be converted; the file counts as not opened.
    }
    return result;
}

}  // namespace tools
