#pragma once

#include <QDialog>
#include <QString>

class FileListSource;
class MainWindowGate;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The file trim window: shows the size and CRC-32 of the file selected in
// the main window's file list, takes the first and last byte to keep, and
// cuts the file down to them. A top-level window of its own, shown and
// hidden, never run modally; the main window stays disabled while it shows.
class Ttrimmer : public QDialog {
    Q_OBJECT
  public:
    // `files` is the main window's file list; both must outlive this window.
    Ttrimmer(const FileListSource &files, MainWindowGate &mainWindow);

    // The "Trim" button, the "File Trimming Tool" menu item and the "Trim
    // File" pop-up item: checks the selection, reads the file's size and
    // CRC-32 and shows this window.
    void openTool();

    // Full path of the file to trim.
    QString TrimFilePath;
    // Validity of the offsets, "OK" or "BAD"; each is recomputed only when
    // its own box changes, by the user or by the program.
    QString StartOffsetFlag;
    QString EndOffsetFlag;

    void Edit7Change();   // start offset changed
    void Edit8Change();   // end offset changed
    void BitBtn3Click();  // Keep 1st Half
    void BitBtn1Click();  // Keep 2nd Half
    void BitBtn5Click();  // Trim File
    void BitBtn2Click();  // Done

    QLineEdit *Edit1;  // size, "$" and hexadecimal
    QLineEdit *Edit3;  // size, decimal
    QLineEdit *Edit5;  // CRC-32
    QProgressBar *ProgressBar1;
    QLineEdit *Edit7;  // start offset
    QLineEdit *Edit8;  // end offset
    QPushButton *BitBtn3;
    QPushButton *BitBtn1;
    QPushButton *BitBtn5;
    QPushButton *BitBtn2;

  protected:
    void showEvent(QShowEvent *event) override;
    // Escape and the window manager's close request act as "Done", except
    // while a trim runs.
    void reject() override;

  private:
    // The halving buttons' answer to an odd size: a message, and the end
    // offset set to the whole size. False for an even size.
    bool refuseOddSize(const QString &size);
    void trim();

    const FileListSource &files_;
    MainWindowGate &main_;
    bool trimming_ = false;
};
