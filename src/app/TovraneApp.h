#pragma once

#include "SecondaryWindows.h"

#include <memory>

class TMainform;
class TAbout;
class TErrorLog;
class Tziptest;
class TDefinable_Ext;
class THelpWindow;
class TSplash;

// Every window of the program, created once in the fixed start-up order and
// living until the end: the main window first, then the splash and the
// windows that come before it is shown, then the rest.
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

    std::unique_ptr<TMainform> main_;
    std::unique_ptr<TSplash> splash_;
    std::unique_ptr<TDefinable_Ext> definableExt_;
    std::unique_ptr<TAbout> about_;
    std::unique_ptr<THelpWindow> help_;
    std::unique_ptr<Tziptest> zipTest_;
    std::unique_ptr<TErrorLog> errorLog_;
    SecondaryWindows windows_;
};
