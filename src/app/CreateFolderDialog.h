#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class FolderDialog;
class TMainform;

// "Create a new folder": makes one folder inside a parent folder and hands
// back to the window that opened it, which the return marker names.
class TCreate_Folder : public QDialog {
    Q_OBJECT
  public:
    explicit TCreate_Folder(TMainform &mainForm);

    // The window to return to: "Zip", "Unzip", "Temp" (the folder dialogs)
    // or "Main"; "Parent" until a caller has set it.
    QString ReturnTo = QStringLiteral("Parent");

    // Opens over `parentFolder`, handing back to the window `returnMarker`
    // names; the name field has the keyboard focus.
    void openFor(const QString &returnMarker, const QString &parentFolder);
    // The folder list's "Create a new folder": a folder in the browsed one,
    // with the main window disabled meanwhile.
    void OpenFromMain();
    QString parentFolder() const { return parent_; }

    QLabel *pathLabel;  // the parent folder, then the new folder's path
    QLineEdit *nameEdit;
    QPushButton *cancelButton;
    QPushButton *createFolderButton;

    void CreateFolderClick();
    void CancelClick();

  protected:
    void showEvent(QShowEvent *event) override;
    // Escape (and a close by the window manager) is "Cancel".
    void reject() override;

  private:
    FolderDialog *caller() const;
    // Hides and shows the caller again; `attempted` after "Create Folder",
    // whose outcome the caller's lists must show.
    void returnToCaller(bool attempted);

    TMainform &main_;
    QString parent_;
};
