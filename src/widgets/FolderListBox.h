#pragma once

#include "platform/FileListSource.h"

#include <QListWidget>

// The folder list of the folders view: plain names of the sub-folders of one
// folder, several selectable at once, with optional icons. The folder batch
// and the folder deletion read it as a list of names with a selection.
class FolderListBox : public QListWidget, public FileListSource {
    Q_OBJECT
  public:
    explicit FolderListBox(QWidget *parent = nullptr);

    // Lists the sub-folders of `folder` (never "." or ".."); a folder that
    // cannot be read leaves the list empty.
    void fill(const QString &folder);
    void setIconsVisible(bool visible);
    bool iconsVisible() const { return icons_; }

    QStringList names() const;
    void setSelected(int i, bool selected);

    // FileListSource: the folder last filled in and its sub-folders.
    QString directory() const override { return folder_; }
    int count() const override { return QListWidget::count(); }
    QString name(int i) const override;
    bool isSelected(int i) const override;
    int selectedCount() const override { return static_cast<int>(selectedItems().size()); }
    void scrollToFirst();

  signals:
    void userSelected();
    // The list was filled again from disk; nothing is selected now.
    void contentsReread();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

  private:
    bool icons_ = true;
    QString folder_;
};
