#pragma once

#include <QComboBox>

// The file-type filter box. Its filter list is one text of description and
// mask pairs, all separated by "|" ("*.*|*.*|*.BMP|*.BMP"); the entries are
// the descriptions, and the chosen entry's mask narrows the file list.
class FilterComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit FilterComboBox(QWidget *parent = nullptr);

    // Replaces the filter list: the entries are rebuilt, the first is chosen
    // and its mask applied (reported through maskChanged).
    void setFilter(const QString &filter);
    QString filter() const { return filter_; }
    // The mask in force: the chosen entry's, the last entry's when none is
    // chosen, "*.*" when there are no entries (or the entry has no mask).
    QString mask() const;

  signals:
    void maskChanged(const QString &mask);

  private:
    QString filter_;
    QStringList masks_;
};
