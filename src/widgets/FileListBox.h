#pragma once

#include "platform/FileListSource.h"

#include <QListWidget>

// The file list: the files of one folder that match a mask, by name without
// regard to case, several selectable at once, with optional icons. It reads
// the disk only when told to (a new folder, a new mask, or reread()).
class FileListBox : public QListWidget, public FileListSource {
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

    void setSelected(int i, bool selected);
    void scrollToFirst();

    // FileListSource
    QString directory() const override { return directory_; }
    int count() const override { return QListWidget::count(); }
    QString name(int i) const override;
    bool isSelected(int i) const override;
    int selectedCount() const override;

  signals:
    // The user clicked into the list or changed its selection by keyboard.
    void userSelected();
    // The list was read again from disk; nothing is selected now.
    void contentsReread();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

  private:
    QString directory_;
    QString mask_ = QStringLiteral("*.*");
    bool icons_ = true;
};
