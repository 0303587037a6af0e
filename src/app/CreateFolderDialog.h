#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

// "Create a new folder": makes one folder inside a parent folder and hands
// back to the window that opened it through the completion it was given.
class TCreate_Folder : public QDialog {
    Q_OBJECT
  public:
    TCreate_Folder();

    // The window to return to: "Zip", "Unzip", "Temp" (the folder dialogs)
    // or "Main"; "Parent" until a caller has set it.
    QString ReturnTo = QStringLiteral("Parent");

    // Called when the dialog hides again: `attempted` after "Create Folder"
    // (whatever its outcome, which the caller's lists must show), not after
    // "Cancel".
    using Completion = std::function<void(bool attempted)>;

    // Opens over `parentFolder` for the window `returnMarker` names; the
    // name field has the keyboard focus. `done` hands back to that window.
    void openFor(const QString &returnMarker, const QString &parentFolder, Completion done);
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
    void returnToCaller(bool attempted);

    QString parent_;
    Completion done_;
};
