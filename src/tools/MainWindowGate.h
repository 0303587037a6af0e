#pragma once

#include <QString>

// What a tool window may do to the main window: lock it while the tool is
// open, give it back afterwards, and leave word on its status bar. The
// application implements it over the main window; tests can record it.
class MainWindowGate {
  public:
    virtual ~MainWindowGate() = default;
    // Disables the main window while a tool window is open.
    virtual void lockMainWindow() = 0;
    // Shows and enables the main window again.
    virtual void releaseMainWindow() = 0;
    virtual void setMainStatus(const QString &text) = 0;
    // Has the main file list read its folder again (files deleted by a tool
    // leave it).
    virtual void rereadFileList() = 0;
    // Starts or stops the main window's busy animation.
    virtual void setBusy(bool busy) = 0;
};
