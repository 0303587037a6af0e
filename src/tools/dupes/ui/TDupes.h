#pragma once

#include "platform/MessagePace.h"
#include "tools/dupes/DupesHost.h"
#include "tools/dupes/DupesTable.h"

#include <QString>
#include <QWidget>
#include <functional>

class FileListSource;
class MainWindowGate;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabBar;
class ToolRun;

// The duplicate file remover: one numbered tab per group of identical files
// among the main file list's selection, and deletion of chosen copies. A
// top-level window of its own (the main window, which it disables while it
// is open, would disable it too); created once and only shown and hidden.
class TDupes : public QWidget, private tools::DupesHost {
    Q_OBJECT
  public:
    // `files` is the main file list; both it and `gate` must outlive this.
    TDupes(const FileListSource &files, MainWindowGate &gate);

    // The command of the main window's "Dupes" button and "Duplicate File
    // Removal Tool" menu item: shows this window, disables the main window,
    // reads the selection and shows the groups found. Returns when the
    // search has ended; the window stays open.
    void findDuplicates();

    // Stop: the search reads no further file.
    void BitBtn1Click();
    // Delete Selected Files.
    void BitBtn3Click();
    // Lists the group of the chosen tab.
    void TabControl1Change();
    // Whether deleted copies go to the desktop Trash ("Move Deleted Files
    // to the Trash"), asked at each deletion; without it they do.
    void setTrashChoice(std::function<bool()> choice) { trashChoice_ = std::move(choice); }

    // The hidden run state: "GO" or "STOP".
    const QString &DupesRunFlag() const;
    const tools::DupesTable &table() const { return table_; }

    QTabBar *TabControl1;
    QListWidget *ListBox1;
    QProgressBar *ProgressBar1;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn3;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    // DupesHost
    bool keepGoing() const override;
    void setProgress(int percent) override;
    void pumpMessages() override;

    void listGroup(int number);
    void giveBackMainWindow();

    const FileListSource &files_;
    MainWindowGate &gate_;
    tools::DupesTable table_;
    // The folder the table's names are in.
    QString folder_;
    ToolRun *run_;
    bool searching_ = false;
    std::function<bool()> trashChoice_;
    MessagePace pace_;
};
