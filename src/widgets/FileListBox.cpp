#include "FileListBox.h"

#include "FileIconDelegate.h"
#include "OffThread.h"
#include "platform/FileSystem.h"

#include <QFileIconProvider>
#include <QFileInfo>

FileListBox::FileListBox(QWidget *parent) : SelectionList(parent) {
    // Icons are looked up for the lines drawn, not for every listed file.
    setItemDelegate(new FileIconDelegate(
        [this](const QString &file) {
            static const QFileIconProvider provider;
            return icons_ ? provider.icon(QFileInfo(platform::withSeparator(directory_) + file))
                          : QIcon();
        },
        this));
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
    static_cast<FileIconDelegate *>(itemDelegate())->forget();
    if (directory_.isEmpty()) {
        setNames({});
        return;
    }
    setNames(runOffThread(
        [folder = directory_, mask = mask_] { return platform::listFiles(folder, mask); }));
}

void FileListBox::setIconsVisible(bool visible) {
    if (icons_ == visible)
        return;
    icons_ = visible;
    // Every line has the height of the first; it changes with the icons.
    static_cast<FileIconDelegate *>(itemDelegate())->forget();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void FileListBox::setSingleSelection(bool single) {
    setSelectionMode(single ? QAbstractItemView::SingleSelection
                            : QAbstractItemView::ExtendedSelection);
}
