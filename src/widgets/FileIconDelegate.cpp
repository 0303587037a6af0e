#include "FileIconDelegate.h"

FileIconDelegate::FileIconDelegate(std::function<QIcon(const QString &)> iconOf, QObject *parent)
    : QStyledItemDelegate(parent), iconOf_(std::move(iconOf)) {}

void FileIconDelegate::initStyleOption(QStyleOptionViewItem *option,
                                       const QModelIndex &index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QString name = index.data(Qt::DisplayRole).toString();
    auto found = icons_.constFind(name);
    if (found == icons_.constEnd())
        found = icons_.insert(name, iconOf_(name));
    if (found->isNull())
        return;
    option->icon = *found;
    option->features |= QStyleOptionViewItem::HasDecoration;
}
