#include "FolderListBox.h"

#include "FileIconDelegate.h"
#include "OffThread.h"
#include "platform/FileSystem.h"

#include <QStyle>

FolderListBox::FolderListBox(QWidget *parent) : SelectionList(parent) {
    setItemDelegate(new FileIconDelegate(
        [this](const QString &) {
            return icons_ ? style()->standardIcon(QStyle::SP_DirClosedIcon) : QIcon();
        },
        this));
}

void FolderListBox::fill(const QString &folder) {
    folder_ = folder;
    static_cast<FileIconDelegate *>(itemDelegate())->forget();
    setNames(runOffThread([folder] { return platform::listFolders(folder); }));
}

void FolderListBox::setIconsVisible(bool visible) {
    if (icons_ == visible)
        return;
    icons_ = visible;
    static_cast<FileIconDelegate *>(itemDelegate())->forget();
    scheduleDelayedItemsLayout();
    viewport()->update();
}
