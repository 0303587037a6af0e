#include "LineFeed.h"

#include "WidestLineDelegate.h"

#include <QElapsedTimer>
#include <QListWidget>

#include <algorithm>

namespace {

// Often enough that the lines seem to arrive as they are made.
constexpr int kShortestPause = 100;

}  // namespace

LineFeed::LineFeed(QListWidget &list, std::function<void()> scroll)
    : QObject(&list), list_(list), scroll_(std::move(scroll)) {
    // Laying the list out then measures one line, not all of them.
    new WidestLineDelegate(list);
    timer_.setSingleShot(true);
    timer_.setInterval(kShortestPause);
    connect(&timer_, &QTimer::timeout, this, &LineFeed::flush);
}

void LineFeed::append(const QString &line) {
    pending_ << line;
    schedule();
}

void LineFeed::requestScroll() {
    scrollPending_ = true;
    if (list_.isVisible())
        schedule();
}

void LineFeed::clear() {
    pending_.clear();
    scrollPending_ = false;
    timer_.stop();
    list_.clear();
}

void LineFeed::flush() {
    timer_.stop();
    if (pending_.isEmpty() && (!scrollPending_ || !list_.isVisible()))
        return;
    QElapsedTimer took;
    took.start();
    if (!pending_.isEmpty()) {
        list_.addItems(pending_);
        pending_.clear();
        ++insertions_;
    }
    // A hidden list is scrolled when it shows (its window flushes then):
    // scrolling lays out every line.
    if (scrollPending_ && list_.isVisible()) {
        scrollPending_ = false;
        scroll_();
    }
    // A long list takes long to lay out: the next batch waits four times
    // as long, so the loop keeps most of the time.
    timer_.setInterval(std::max<qint64>(kShortestPause, 4 * took.elapsed()));
}

void LineFeed::schedule() {
    if (!timer_.isActive())
        timer_.start();
}
