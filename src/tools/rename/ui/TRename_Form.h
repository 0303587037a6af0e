#pragma once

#include "tools/rename/RenameRules.h"
#include "tools/rename/RenameUndo.h"

#include <QDialog>

class FileListSource;
class MainWindowGate;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// The batch renaming window: one spacing rule and one letter-case rule,
// applied to every file selected in the main window's file list. A
// top-level window of its own, shown and hidden, never run modally; the
// main window stays disabled while it shows.
class TRename_Form : public QDialog {
    Q_OBJECT
  public:
    // `files` is the main window's file list; both must outlive this window.
    TRename_Form(const FileListSource &files, MainWindowGate &mainWindow);

    // The "Rename" button, the "Rename Using Templates Tool" menu item and
    // the "Rename Selected File(s)" pop-up item: shows this window and
    // disables the main window, whatever is selected.
    void openTool();

    // The rules of the checked buttons.
    tools::RenameRules checkedRules() const;

    void BitBtn2Click();  // Rename
    void BitBtn1Click();  // Cancel

    // "Undo Last Rename" (the button here and the Edit menu item): renames
    // back what the last run renamed, reports what it could not, and re-reads
    // the main file list. Nothing to undo afterwards.
    void undoLastRename();
    bool canUndo() const { return !lastRun_.isEmpty(); }

    // Fills the preview from the selection and the checked rules, letting
    // the window's messages (not clicks) run while it does.
    void refreshPreview();
    // How many rows go into the preview at a time.
    static constexpr int kPreviewPiece = 1000;

    // Spacing: none, spaces to "_", "_" to spaces, remove spaces, brackets.
    QRadioButton *RadioButton7, *RadioButton3, *RadioButton4, *RadioButton8, *RadioButton9;
    // Letter case: none, upper, lower, capitalise.
    QRadioButton *RadioButton6, *RadioButton1, *RadioButton2, *RadioButton5;
    QProgressBar *ProgressBar1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;
    // Each selected name and what it becomes under the checked rules.
    QTreeWidget *Preview;
    QPushButton *UndoButton;

  signals:
    // Whether "Undo Last Rename" has something to take back.
    void undoAvailable(bool available);

  protected:
    // Escape, and the window manager's close request, act as "Cancel".
    void reject() override;

  private:
    void setLastRun(QList<tools::RenamedFile> run);

    const FileListSource &files_;
    MainWindowGate &main_;
    QList<tools::RenamedFile> lastRun_;
};
