#pragma once

#include "engine/ZipTestWalk.h"
#include "platform/MessagePace.h"
#include "widgets/WindowGate.h"

#include <QString>
#include <QWidget>

class BusyIndicator;
class LineFeed;
class FileListSource;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class TZipEngine;
class ToolRun;

// The zip testing tool: tests every archive selected in the main window's
// file list and lists one verdict per file. The main window stays disabled
// while this window is open; closing it enables the main window again.
//
// It has no parent widget on purpose: a window parented to the main window
// would be disabled together with it. The application object owns it.
class Tziptest : public QWidget, private ZipTestHost {
    Q_OBJECT
  public:
    // `animation` is the main window's busy indicator: it runs exactly while a
    // test run is in progress, which is how closing the window knows.
    Tziptest(BusyIndicator &animation, WindowGate mainWindow);

    // The test procedure of the main window's "Test" button, "Zip Testing
    // Tool" menu item and the file list's "Test zip file(s) integrity".
    // `password` is the "Set Unzip Password :" value: the engine is given it
    // for every run, so that a verdict never depends on what the last batch
    // left in the engine. Returns when the run has ended (the window stays
    // open).
    void testSelectedFiles(const FileListSource &files, TZipEngine &engine,
                           const QString &password);

    QString runFlag() const;
    // The verdicts, every one given so far.
    QListWidget *ListBox1() const;
    QProgressBar *ProgressBar1() const { return progress_; }
    QPushButton *BitBtn2() const { return stop_; }

  public slots:
    void BitBtn2Click();

  protected:
    void closeEvent(QCloseEvent *event) override;  // FormClose

  private:
    bool runFlagIsGo() const override;
    void setProgress(int percent) override;
    void addVerdict(const QString &line) override;

    BusyIndicator &animation_;
    WindowGate mainWindow_;
    QListWidget *list_;
    LineFeed *feed_;
    QProgressBar *progress_;
    QPushButton *stop_;
    ToolRun *run_;
    MessagePace pace_;
};
