#pragma once

#include "OptionsModel.h"
#include "widgets/WindowGate.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

class DriveComboBox;
class FolderTree;

// What tells the three folder dialogs apart.
struct FolderDialogKind {
    const char *caption;
    const char *explanation;  // two lines
    // How "Create a new folder" names this dialog when it hands back.
    const char *returnMarker;
    // The option that "OK" sets.
    Option option;
    // Whether the tree is read again when the new-folder dialog was left
    // with "Cancel" (after "Create Folder" every dialog reads it again).
    bool rereadAfterCancel;
};

// The shared pattern of "Select Folder", "File Destination" and "Set
// temporary path": a drive box over a folder tree, and "Cancel", "Create
// Folder" and "OK". Opened by the option's toggle button while the main
// window is disabled; "OK" pins the option to the tree's folder. Each keeps
// its folder between openings.
class FolderDialog : public QDialog {
    Q_OBJECT
  public:
    // Disables the main window and shows the dialog on the folder it
    // showed last time, with the volumes and the tree read again.
    void Open();
    // The folder the tree shows (no separator at its end).
    QString folder() const;
    // Re-reads the tree from disk, so a folder made meanwhile shows.
    void rereadTree();
    QString returnMarker() const { return QString::fromLatin1(kind_.returnMarker); }

    // "Create Folder" hands over to the new-folder dialog through this; it
    // hands back through returnFromNewFolder(), `attempted` after its
    // "Create Folder".
    std::function<void(FolderDialog &)> onCreateFolder;
    void returnFromNewFolder(bool attempted);

    QLabel *explanation;
    DriveComboBox *DriveComboBox1;
    FolderTree *DirectoryListBox1;
    QPushButton *cancelButton;
    QPushButton *createFolderButton;
    QPushButton *okButton;

    // The user picked the volume with this root in the drive box.
    void DriveChosen(const QString &root);
    void OKClick();
    void CancelClick();
    void CreateFolderClick();

  protected:
    FolderDialog(OptionsModel &options, WindowGate mainWindow, const FolderDialogKind &kind);
    // Escape (and a close by the window manager) is "Cancel".
    void reject() override;

  private:
    void goHome();

    OptionsModel &options_;
    WindowGate main_;
    const FolderDialogKind kind_;
};

// "Select Folder": where the zips are stored (`ZipFolder`).
class TZipDest final : public FolderDialog {
    Q_OBJECT
  public:
    TZipDest(OptionsModel &options, WindowGate mainWindow);
};

// "File Destination": where files are unzipped (`UnzipFolder`).
class TUnzip_dest final : public FolderDialog {
    Q_OBJECT
  public:
    TUnzip_dest(OptionsModel &options, WindowGate mainWindow);
};

// "Set temporary path": the engine's work folder (`WorkFolder`).
class Ttempdest final : public FolderDialog {
    Q_OBJECT
  public:
    Ttempdest(OptionsModel &options, WindowGate mainWindow);
};
