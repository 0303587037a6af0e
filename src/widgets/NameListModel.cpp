#include "NameListModel.h"

void NameListModel::setNames(QStringList names) {
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant NameListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= names_.size())
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return names_.at(index.row());
        default:
            return {};
    }
}

Qt::ItemFlags NameListModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
