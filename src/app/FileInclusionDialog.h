#pragma once

#include "OptionsModel.h"
#include "widgets/WindowGate.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class DriveComboBox;
class FileListBox;
class FolderTree;

// "File Inclusion": picks the file that every zip made gets in addition
// (`IncludeFile`). Opens on the home folder each time; "OK" can be pressed
// once a file has been picked in the list.
class TFileInclusion : public QDialog {
    Q_OBJECT
  public:
    TFileInclusion(OptionsModel &options, WindowGate mainWindow);

    // The toggle button went down: disables the main window, re-reads the
    // file list, disables "OK" and shows the dialog.
    void Open();
    // The full path of the file picked in the list, empty when none is.
    QString selectedFile() const;

    QLabel *explanation;
    DriveComboBox *DriveComboBox1;
    FolderTree *DirectoryListBox1;
    FileListBox *FileListBox1;
    QPushButton *cancelButton;
    QPushButton *noneButton;
    QPushButton *okButton;

    void DriveChosen(const QString &root);
    void FolderChanged(const QString &folder);
    void FileListClick();
    void OKClick();
    void NoneClick();
    void CancelClick();

  protected:
    void showEvent(QShowEvent *event) override;
    // Escape (and a close by the window manager) is "Cancel".
    void reject() override;

  private:
    void goHome();
    void releaseToggle();

    OptionsModel &options_;
    WindowGate main_;
};
