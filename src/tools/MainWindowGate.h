#pragma once

#include <QString>

// What a tool window may do to the main window, and no more: a tool window
// disables it while it is open, gives it back when it closes, writes its
// status line, has its file list read the folder again and runs its busy
// animation. The application implements it on the main window; tests record
// the calls.
class MainWindowGate {
  public:
    virtual ~MainWindowGate() = default;
    virtual void disableMain() = 0;
    virtual void showAndEnableMain() = 0;
    virtual void setMainStatus(const QString &text) = 0;
    // The selection is cleared, as after any re-reading of the folder.
    virtual void rereadFileList() = 0;
    virtual void setBusy(bool busy) = 0;
};
