#pragma once

#include "SecondaryWindows.h"

#include <functional>
#include <memory>

class DeleteCommands;
class RezipCommand;
class TMainform;
class WindowGate;

// Every window of the program, created once in the fixed start-up order and
// living until the end: the main window first, then the splash and the
// windows that come before it is shown, then the rest. It connects each
// command of the main window that opens another window to that window, so
// the main window knows none of them.
class TovraneApp {
  public:
    TovraneApp();
    ~TovraneApp();

    // Shows the splash, lets it paint, creates the remaining windows and
    // shows the main window.
    void start();

    TMainform &main() { return *main_; }
    SecondaryWindows &windows() { return windows_; }

  private:
    void createRest();
    // Connects a command of the main window to what runs it.
    void on(const char *command, const std::function<void()> &run);
    // The folder dialogs, "File Inclusion" and "Create a new folder".
    void wireFolderDialogs();
    // The tools on the main file list and the error log.
    void wireToolWindows();
    // Help and About.
    void wireShellWindows();

    // Declared in the order they must outlive each other: the windows hold
    // on to the main window and the gate, the commands to the windows.
    std::unique_ptr<TMainform> main_;
    std::unique_ptr<WindowGate> gate_;
    SecondaryWindows windows_;
    std::unique_ptr<RezipCommand> rezip_;
    std::unique_ptr<DeleteCommands> delete_;
};
