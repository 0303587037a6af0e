#pragma once

#include <QTreeWidget>

// The folder tree: the chain of folders from the root down to the current
// folder, opened, with the current folder's sub-folders beneath it. Opening
// an item (double-click or Enter) makes it the current folder. The tree
// reads the disk only when asked, so what it shows is always settled.
class FolderTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit FolderTree(QWidget *parent = nullptr);

    QString directory() const { return directory_; }
    // Moves to `folder` (made absolute and clean) and reports the change.
    void setDirectory(const QString &folder);
    // Re-reads the current folder's chain and sub-folders from disk.
    void reread();
    // Folder icons beside the names (the dialogs show plain names).
    void setIconsVisible(bool visible);

  signals:
    void directoryChanged(const QString &folder);
    // An item was double-clicked (before the folder change it causes).
    void folderDoubleClicked(const QString &folder);
    // Any mouse button went down in the tree.
    void mousePressed();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    QString directory_;
    bool icons_ = true;
};
