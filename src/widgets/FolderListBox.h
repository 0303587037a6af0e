#pragma once

#include "SelectionList.h"
#include "platform/FileListSource.h"

// The folder list of the folders view: plain names of the sub-folders of one
// folder, several selectable at once, with optional icons. The folder batch
// and the folder deletion read it as a list of names with a selection.
class FolderListBox : public SelectionList, public FileListSource {
    Q_OBJECT
  public:
    explicit FolderListBox(QWidget *parent = nullptr);

    // Lists the sub-folders of `folder` (never "." or ".."); a folder that
    // cannot be read leaves the list empty.
    void fill(const QString &folder);
    void setIconsVisible(bool visible);
    bool iconsVisible() const { return icons_; }

    // FileListSource: the folder last filled in and its sub-folders.
    QString directory() const override { return folder_; }
    int count() const override { return SelectionList::count(); }
    QString name(int i) const override { return text(i); }
    bool isSelected(int i) const override { return rowSelected(i); }
    int selectedCount() const override { return selectedRows(); }

  private:
    bool icons_ = true;
    QString folder_;
};
