#pragma once

#include "SelectionList.h"
#include "platform/FileListSource.h"

// The file list: the files of one folder that match a mask, by name without
// regard to case, several selectable at once, with optional icons. It reads
// the disk only when told to (a new folder, a new mask, or reread()).
class FileListBox : public SelectionList, public FileListSource {
    Q_OBJECT
  public:
    explicit FileListBox(QWidget *parent = nullptr);

    void setDirectory(const QString &folder);
    void setMask(const QString &mask);
    QString mask() const { return mask_; }
    // Re-reads the folder from disk; the selection is cleared.
    void reread();
    void setIconsVisible(bool visible);
    bool iconsVisible() const { return icons_; }
    // Allows one selected item instead of many.
    void setSingleSelection(bool single);

    // FileListSource
    QString directory() const override { return directory_; }
    int count() const override { return SelectionList::count(); }
    QString name(int i) const override { return text(i); }
    bool isSelected(int i) const override { return rowSelected(i); }
    int selectedCount() const override { return selectedRows(); }

  private:
    QString directory_;
    QString mask_ = QStringLiteral("*.*");
    bool icons_ = true;
};
