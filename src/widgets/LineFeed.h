#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QListWidget;

// Feeds lines that a loop produces one at a time into a list widget in
// batches. Every insertion makes the list lay out all of its lines again,
// so a line added (and scrolled to) per item makes a long run quadratic;
// here the pending lines go in together, at most a few times a second and
// never more often than the list can lay itself out, with one scroll after
// each batch. Reading the list goes through flush() first, so what it
// shows is always every line appended.
class LineFeed : public QObject {
  public:
    // `scroll` brings the newest line into view; it runs after a batch when
    // a scroll was asked for.
    LineFeed(QListWidget &list, std::function<void()> scroll);

    void append(const QString &line);
    void requestScroll();
    // Empties the list and drops the lines not yet shown.
    void clear();
    // Shows every pending line now, and scrolls when asked to.
    void flush();

    int insertions() const { return insertions_; }

  private:
    void schedule();

    QListWidget &list_;
    std::function<void()> scroll_;
    QStringList pending_;
    bool scrollPending_ = false;
    QTimer timer_;
    int insertions_ = 0;
};
