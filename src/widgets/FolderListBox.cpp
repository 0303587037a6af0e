#include "FolderListBox.h"

#include "platform/FileSystem.h"

#include <QKeyEvent>
#include <QStyle>

FolderListBox::FolderListBox(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
}

void FolderListBox::fill(const QString &folder) {
    clear();
    folder_ = folder;
    const QIcon icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const QString &name : platform::listFolders(folder)) {
        auto *item = new QListWidgetItem(name, this);
        if (icons_)
            item->setIcon(icon);
    }
    emit contentsReread();
}

void FolderListBox::setIconsVisible(bool visible) {
    icons_ = visible;
    const QIcon icon = visible ? style()->standardIcon(QStyle::SP_DirClosedIcon) : QIcon();
    for (int i = 0; i < count(); ++i)
        item(i)->setIcon(icon);
}

QStringList FolderListBox::names() const {
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

QString FolderListBox::name(int i) const {
    const QListWidgetItem *it = item(i);
    return it ? it->text() : QString();
}

bool FolderListBox::isSelected(int i) const {
    const QListWidgetItem *it = item(i);
    return it && it->isSelected();
}

void FolderListBox::setSelected(int i, bool selected) {
    if (QListWidgetItem *it = item(i))
        it->setSelected(selected);
}

void FolderListBox::scrollToFirst() {
    if (count() > 0)
        scrollToItem(item(0), QAbstractItemView::PositionAtTop);
}

void FolderListBox::mouseReleaseEvent(QMouseEvent *event) {
    QListWidget::mouseReleaseEvent(event);
    emit userSelected();
}

void FolderListBox::keyReleaseEvent(QKeyEvent *event) {
    QListWidget::keyReleaseEvent(event);
    emit userSelected();
}
