#pragma once

#include "widgets/WindowGate.h"

#include <QWidget>

class FileListSource;
class QLabel;

// The file information window: name, size and floppy count of the file
// selected in the main window's file list, read afresh every time the
// window is shown. A top-level window of its own (never a child of the main
// window, which it disables while it is open), only shown and hidden.
class TFileInfo : public QWidget {
    Q_OBJECT
  public:
    // `files` is the main window's file list (it must outlive this window)
    // and `mainWindow` the gate to the window disabled while this one is
    // open.
    TFileInfo(const FileListSource &files, WindowGate mainWindow);

    // "View file information": disables the main window and shows this one.
    void showInformation();

    QLabel *Label4;  // name
    QLabel *Label5;  // size
    QLabel *Label6;  // floppy count

  protected:
    void showEvent(QShowEvent *event) override;    // FormShow: fills the values
    void closeEvent(QCloseEvent *event) override;  // FormClose

  private:
    const FileListSource &files_;
    WindowGate mainWindow_;
};
