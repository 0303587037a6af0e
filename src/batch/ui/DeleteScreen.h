#pragma once

#include "batch/FolderDeletion.h"
#include "platform/RunFlag.h"

#include <QDialog>

class BusyIndicator;
class QLabel;
class QPushButton;

// The small window shown while folders are deleted: the folder being
// removed and a Cancel button (Esc too). It stays on top and has no system
// menu. The main window it stands in front of is disabled while it shows;
// so that it stays usable itself, it has no parent widget.
class TDeleteScreen : public QDialog, public DeleteProgress {
    Q_OBJECT
  public:
    explicit TDeleteScreen(QWidget &mainWindow);

    // "GO", or "STOP" after Cancel.
    QString DeleteRunFlag = runflag::Go;

    void start() override;
    void showFolder(const QString &name) override;
    QString runFlag() const override { return DeleteRunFlag; }
    void finish() override;

    QLabel *folderLabel() const { return folder_; }
    QPushButton *cancelButton() const { return cancel_; }

  public slots:
    void BitBtn1Click();  // Cancel
    // Esc means Cancel; the window itself goes only when the deletion ends.
    void reject() override { BitBtn1Click(); }

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    QWidget &main_;
    BusyIndicator *animation_;
    QLabel *folder_;
    QPushButton *cancel_;
};
