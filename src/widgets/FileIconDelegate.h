#pragma once

#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

#include <functional>

// Draws a list of names with an icon each, looked up when the line is first
// drawn and kept until forget(): a folder of 100,000 files costs the icons
// of the lines in view, not one lookup per file.
class FileIconDelegate : public QStyledItemDelegate {
  public:
    // `iconOf` gives a listed name's icon; a null icon draws none.
    FileIconDelegate(std::function<QIcon(const QString &)> iconOf, QObject *parent);

    void forget() { icons_.clear(); }
    // The names whose icons were looked up since the last forget().
    int looked() const { return static_cast<int>(icons_.size()); }

  protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

  private:
    std::function<QIcon(const QString &)> iconOf_;
    mutable QHash<QString, QIcon> icons_;
};
