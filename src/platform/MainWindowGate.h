#pragma once

#include <QString>

// What a tool window or dialog may do to the main window, and no more:
// disable it while the tool is open, give it back when it closes, write its
// status line, have its file list read the folder again and run its busy
// animation. Tools get this instead of the main window's class, so they
// cannot reach into it; tests record the calls.
class MainWindowGate {
  public:
    virtual ~MainWindowGate() = default;
    virtual void disableMain() = 0;
    virtual void enableMain() = 0;
    virtual void showMain() = 0;
    // How every tool hands back: shows the main window and enables it.
    virtual void showAndEnableMain() = 0;
    virtual void setMainStatus(const QString &text) = 0;
    // The selection is cleared, as after any re-reading of the folder.
    virtual void rereadFileList() = 0;
    virtual void setBusy(bool busy) = 0;
};
