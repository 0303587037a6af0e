#pragma once

#include "platform/MessagePace.h"
#include "tools/crc/Crc32ReportHost.h"
#include "widgets/WindowGate.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QWidget>

class FileListSource;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class ToolRun;

// The CRC-32 report window: a grid of name, checksum and size for every
// file selected in the main window's file list, with Stop and Save. It is
// a top-level window of its own (never a child of the main window, which
// it disables while it is open) and is only shown and hidden.
class TCRC32_Form : public QWidget, public tools::Crc32ReportHost {
    Q_OBJECT
  public:
    // `files` is the main window's file list (it must outlive this window)
    // and `mainWindow` the gate to the window disabled while the report is
    // open.
    TCRC32_Form(const FileListSource &files, WindowGate mainWindow);

    // The report procedure, for the main window's "CRC32" button and its
    // Tools menu item: shows this window, disables the main window and
    // reports the current selection, returning when the walk ends (Stop or
    // a confirmed close end it early). The main window stays disabled until
    // this window closes.
    void runReport();

    // A report is running while "Save Report to a File" is disabled.
    bool isRunning() const;
    // The hidden run flag: "GO" (running, or ready) or "STOP".
    const QString &runFlag() const;

    // Stop: asks a running walk to skip its remaining entries.
    void BitBtn1Click();
    // Save Report to a File.
    void BitBtn3Click();

    QTableWidget *StringGrid1;
    QProgressBar *ProgressBar1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn3;
    QLabel *Label1;

    // Crc32ReportHost
    bool keepGoing() const override;
    void setProgress(int percent) override;
    void addRow(const tools::Crc32ReportRow &row) override;
    void pumpMessages() override;

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void setRunning(bool running);
    void showPendingRows();
    tools::Crc32ReportRow rowAt(int row) const;

    const FileListSource &files_;
    WindowGate mainWindow_;
    ToolRun *run_;
    bool walking_ = false;
    QList<tools::Crc32ReportRow> pendingRows_;
    QElapsedTimer sinceRows_;
    MessagePace pace_;
};
