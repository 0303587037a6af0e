#pragma once

#include <QListView>

#include <vector>

class NameListModel;

// A list of many names with a multiple selection that loops read line by
// line. The names live in one light model, so that a list read again is one
// reset of the model, not one object made and destroyed per line. The
// selected state of every row is mirrored in one flag per row, kept current
// from the selection model's change signal, so that reading a line's state
// or the number of selected lines never searches the selection's ranges (a
// selection made line by line can hold one range per line). All, None and
// Invert each change the selection model once.
class SelectionList : public QListView {
    Q_OBJECT
  public:
    explicit SelectionList(QWidget *parent = nullptr);

    // Replaces every line with `names`, in one reset; nothing selected.
    void setNames(QStringList names);
    const QStringList &names() const;
    int count() const;
    // The name on `row`, or an empty text past the end.
    QString text(int row) const;

    bool rowSelected(int row) const;
    int selectedRows() const;
    void setSelected(int row, bool selected);

    // Selects every line, no line, or exactly the lines that were not
    // selected.
    void selectEveryRow();
    void selectNoRow();
    void invertSelection();
    void scrollToFirst();
    void scrollToRow(int row, ScrollHint hint = EnsureVisible);

  signals:
    // The user clicked into the list or changed its selection by keyboard.
    void userSelected();
    // The lines were replaced (the list read again from disk); nothing is
    // selected now.
    void contentsReread();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

  private:
    void mark(const QItemSelection &ranges, bool selected);
    // Rebuilds the flags from the selection model after a change that the
    // change signal does not describe (rows removed, moved or reset).
    void resync() const;

    NameListModel *lines_;
    mutable std::vector<char> flags_;
    mutable int selected_ = 0;
    mutable bool stale_ = false;
};
