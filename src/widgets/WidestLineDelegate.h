#pragma once

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

#include <array>

class QListView;

// Lets a long list of one-line texts (a log, a list of verdicts) lay
// itself out without measuring every line each time lines are added: the
// list gets uniform line sizes, and the one size it asks for is that of its
// widest line, so that no line is cut and the horizontal scroll range is
// what it would be. The widest line is found from the advances of its
// characters, kept per character, as lines arrive; only that line is laid
// out as text. A line of several lines of text turns the uniform sizes off
// again, since it is taller than the rest.
class WidestLineDelegate : public QStyledItemDelegate {
  public:
    // Installs itself as `view`'s delegate.
    explicit WidestLineDelegate(QListView &view);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The lines whose width was estimated since the list last changed other
    // than by lines added at its end.
    int estimated() const { return estimated_; }

  private:
    // The state is a cache of what the list holds: sizeHint() brings it up
    // to date when the list's font changed.
    void forget() const;
    void estimate(int first, int last) const;
    qreal advance(QChar c) const;

    QListView &view_;
    mutable QFont font_;
    mutable std::array<qreal, 256> latin1_{};
    mutable QHash<char16_t, qreal> others_;
    mutable int estimated_ = 0;
    mutable int widestRow_ = -1;
    mutable qreal widest_ = -1;
    mutable bool severalLines_ = false;
};
