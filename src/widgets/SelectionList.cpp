#include "SelectionList.h"

#include "NameListModel.h"

#include <QSignalBlocker>

#include <algorithm>

SelectionList::SelectionList(QWidget *parent) : QListView(parent), lines_(new NameListModel(this)) {
    setModel(lines_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    const auto markStale = [this] { stale_ = true; };
    connect(lines_, &QAbstractItemModel::modelReset, this, markStale);
    connect(lines_, &QAbstractItemModel::layoutChanged, this, markStale);
    connect(lines_, &QAbstractItemModel::rowsMoved, this, markStale);
}

void SelectionList::setNames(QStringList names) {
    // One reset for the whole list: the view lays it out once and the
    // selection model drops the old selection without comparing ranges.
    lines_->setNames(std::move(names));
    resync();
    emit contentsReread();
}

const QStringList &SelectionList::names() const {
    return lines_->names();
}

int SelectionList::count() const {
    return static_cast<int>(lines_->names().size());
}

QString SelectionList::text(int row) const {
    return lines_->name(row);
}

bool SelectionList::rowSelected(int row) const {
    if (stale_)
        resync();
    return row >= 0 && row < static_cast<int>(flags_.size()) && flags_[row] != 0;
}

int SelectionList::selectedRows() const {
    if (stale_)
        resync();
    return selected_;
}

void SelectionList::setSelected(int row, bool selected) {
    if (row < 0 || row >= count())
        return;
    selectionModel()->select(
        lines_->index(row), selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void SelectionList::selectEveryRow() {
    // One range, one change signal, whatever the selection was.
    selectAll();
}

void SelectionList::selectNoRow() {
    clearSelection();
}

void SelectionList::invertSelection() {
    if (stale_)
        resync();
    // The new selection is the runs of lines not selected now: one range
    // per run, never one per line.
    QItemSelection runs;
    const int rows = count();
    for (int row = 0; row < rows;) {
        if (flags_[row] != 0) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rows && flags_[row] == 0)
            ++row;
        runs.append(QItemSelectionRange(lines_->index(first), lines_->index(row - 1)));
    }
    // Replacing a selection of many ranges by another in one step costs the
    // model a comparison of every old range with every new one; clearing
    // first and then selecting compares nothing. The clearing is silent and
    // the one change signal reports the new selection; the lines that lost
    // theirs are repainted with the rest.
    {
        const QSignalBlocker quiet(selectionModel());
        selectionModel()->clearSelection();
    }
    std::fill(flags_.begin(), flags_.end(), 0);
    selected_ = 0;
    selectionModel()->select(runs, QItemSelectionModel::Select);
    viewport()->update();
}

void SelectionList::scrollToFirst() {
    scrollToRow(0, PositionAtTop);
}

void SelectionList::scrollToRow(int row, ScrollHint hint) {
    if (row >= 0 && row < count())
        scrollTo(lines_->index(row), hint);
}

void SelectionList::mouseReleaseEvent(QMouseEvent *event) {
    QListView::mouseReleaseEvent(event);
    emit userSelected();
}

void SelectionList::keyReleaseEvent(QKeyEvent *event) {
    QListView::keyReleaseEvent(event);
    emit userSelected();
}

void SelectionList::selectionChanged(const QItemSelection &selected,
                                     const QItemSelection &deselected) {
    QListView::selectionChanged(selected, deselected);
    if (stale_)
        return;
    mark(deselected, false);
    mark(selected, true);
}

void SelectionList::rowsInserted(const QModelIndex &parent, int start, int end) {
    QListView::rowsInserted(parent, start, end);
    if (stale_ || start < 0 || start > static_cast<int>(flags_.size())) {
        stale_ = true;
        return;
    }
    // New lines come unselected; the selection model moves the ranges after
    // them, and the flags move with them.
    flags_.insert(flags_.begin() + start, static_cast<size_t>(end - start + 1), 0);
}

void SelectionList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) {
    QListView::rowsAboutToBeRemoved(parent, start, end);
    stale_ = true;
}

void SelectionList::mark(const QItemSelection &ranges, bool selected) {
    const int rows = static_cast<int>(flags_.size());
    for (const QItemSelectionRange &range : ranges) {
        const int last = std::min(range.bottom(), rows - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row) {
            const char was = flags_[row];
            if ((was != 0) == selected)
                continue;
            flags_[row] = selected ? 1 : 0;
            selected_ += selected ? 1 : -1;
        }
    }
}

void SelectionList::resync() const {
    flags_.assign(static_cast<size_t>(count()), 0);
    selected_ = 0;
    stale_ = false;
    const int rows = static_cast<int>(flags_.size());
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        const int last = std::min(range.bottom(), rows - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row) {
            if (flags_[row] == 0) {
                flags_[row] = 1;
                ++selected_;
            }
        }
    }
}
