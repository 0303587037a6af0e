#pragma once

#include <QListWidget>

// The folder list of the folders view: plain names of the sub-folders of one
// folder, several selectable at once, with optional icons.
class FolderListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit FolderListBox(QWidget *parent = nullptr);

    // Lists the sub-folders of `folder` (never "." or ".."); a folder that
    // cannot be read leaves the list empty.
    void fill(const QString &folder);
    void setIconsVisible(bool visible);
    bool iconsVisible() const { return icons_; }

    QStringList names() const;
    bool isSelected(int i) const;
    void setSelected(int i, bool selected);
    int selectedCount() const { return static_cast<int>(selectedItems().size()); }
    void scrollToFirst();

  signals:
    void userSelected();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

  private:
    bool icons_ = true;
};
