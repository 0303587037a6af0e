#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The lines of a list of names, held as one list of strings: replacing all
// of them is one reset of the model, however many there are, where a list
// of items builds and later destroys one object per line.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every line, in one reset.
    void setNames(QStringList names);
    const QStringList &names() const { return names_; }
    // The name on `row`, or an empty text past the end.
    QString name(int row) const {
        return row >= 0 && row < names_.size() ? names_.at(row) : QString();
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

  private:
    QStringList names_;
};
