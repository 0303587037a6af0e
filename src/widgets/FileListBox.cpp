#include "FileListBox.h"

#include "platform/FileSystem.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QKeyEvent>

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
}

void FileListBox::setDirectory(const QString &folder) {
    directory_ = folder;
    reread();
}

void FileListBox::setMask(const QString &mask) {
    mask_ = mask.isEmpty() ? QStringLiteral("*.*") : mask;
    reread();
}

void FileListBox::reread() {
    clear();
    if (!directory_.isEmpty()) {
        static const QFileIconProvider provider;
        const QString folder = platform::withSeparator(directory_);
        for (const QString &file : platform::listFiles(directory_, mask_)) {
            auto *item = new QListWidgetItem(file, this);
            if (icons_)
                item->setIcon(provider.icon(QFileInfo(folder + file)));
        }
    }
    emit contentsReread();
}

void FileListBox::setIconsVisible(bool visible) {
    if (icons_ == visible)
        return;
    icons_ = visible;
    static const QFileIconProvider provider;
    const QString folder = platform::withSeparator(directory_);
    for (int i = 0; i < count(); ++i)
        item(i)->setIcon(visible ? provider.icon(QFileInfo(folder + item(i)->text())) : QIcon());
}

void FileListBox::setSingleSelection(bool single) {
    setSelectionMode(single ? QAbstractItemView::SingleSelection
                            : QAbstractItemView::ExtendedSelection);
}

void FileListBox::setSelected(int i, bool selected) {
    if (QListWidgetItem *it = item(i))
        it->setSelected(selected);
}

void FileListBox::scrollToFirst() {
    if (count() > 0)
        scrollToItem(item(0), QAbstractItemView::PositionAtTop);
}

QString FileListBox::name(int i) const {
    const QListWidgetItem *it = item(i);
    return it ? it->text() : QString();
}

bool FileListBox::isSelected(int i) const {
    const QListWidgetItem *it = item(i);
    return it && it->isSelected();
}

int FileListBox::selectedCount() const {
    return static_cast<int>(selectedItems().size());
}

void FileListBox::mouseReleaseEvent(QMouseEvent *event) {
    QListWidget::mouseReleaseEvent(event);
    emit userSelected();
}

void FileListBox::keyReleaseEvent(QKeyEvent *event) {
    QListWidget::keyReleaseEvent(event);
    emit userSelected();
}
