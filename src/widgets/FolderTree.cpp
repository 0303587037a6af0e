#include "FolderTree.h"

#include "OffThread.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace {
constexpr int PathRole = Qt::UserRole;
}

FolderTree::FolderTree(QWidget *parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setIndentation(12);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item)
            setDirectory(item->data(0, PathRole).toString());
    });
}

void FolderTree::setDirectory(const QString &folder) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    directory_ = clean;
    reread();
    emit directoryChanged(directory_);
}

void FolderTree::reread() {
    if (directory_.isEmpty())
        return;
    const QStringList subfolders =
        runOffThread([folder = directory_] { return platform::listFolders(folder); });
    const QSignalBlocker quiet(this);
    clear();
    const QIcon open = icons_ ? style()->standardIcon(QStyle::SP_DirOpenIcon) : QIcon();
    const QIcon closed = icons_ ? style()->standardIcon(QStyle::SP_DirClosedIcon) : QIcon();

    // The chain from the root to the current folder.
    QStringList parts = directory_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    auto *item = new QTreeWidgetItem(this, {QStringLiteral("/")});
    item->setData(0, PathRole, QStringLiteral("/"));
    item->setIcon(0, open);
    QString path;
    for (const QString &part : parts) {
        path += QLatin1Char('/') + part;
        auto *child = new QTreeWidgetItem(item, {part});
        child->setData(0, PathRole, path);
        child->setIcon(0, open);
        item->setExpanded(true);
        item = child;
    }
    for (const QString &name : subfolders) {
        auto *child = new QTreeWidgetItem(item, {name});
        child->setData(0, PathRole, platform::withSeparator(directory_) + name);
        child->setIcon(0, closed);
    }
    item->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
}

void FolderTree::setIconsVisible(bool visible) {
    icons_ = visible;
    reread();
}

void FolderTree::mousePressEvent(QMouseEvent *event) {
    emit mousePressed();
    QTreeWidget::mousePressEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent *event) {
    QTreeWidget::keyPressEvent(event);
    // Enter opens the item (the base class has emitted itemActivated) and is
    // used up: passed on, it would press a dialog's OK as well, so that the
    // keyboard could not go down more than one level.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && currentItem())
        event->accept();
}

void FolderTree::mouseDoubleClickEvent(QMouseEvent *event) {
    if (QTreeWidgetItem *item = itemAt(event->position().toPoint()))
        emit folderDoubleClicked(item->data(0, PathRole).toString());
    QTreeWidget::mouseDoubleClickEvent(event);
}
