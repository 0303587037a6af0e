#pragma once

#include "SecondaryWindows.h"

#include <memory>

class TMainform;
class TAbout;
class TCRC32_Form;
class TCreate_Folder;
class TDefinable_Ext;
class TErrorLog;
class TFileInclusion;
class TFileInfo;
class THelpWindow;
class TSplash;
class TTrash_Removal;
class RezipCommand;
class TUnzip_dest;
class TZipDest;
class Ttempdest;
class Tziptest;

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
    std::unique_ptr<TZipDest> zipDest_;
    std::unique_ptr<TFileInclusion> fileInclusion_;
    std::unique_ptr<TCreate_Folder> createFolder_;
    std::unique_ptr<TUnzip_dest> unzipDest_;
    std::unique_ptr<Ttempdest> tempDest_;
    std::unique_ptr<TAbout> about_;
    std::unique_ptr<THelpWindow> help_;
    std::unique_ptr<TCRC32_Form> crcReport_;
    std::unique_ptr<Tziptest> zipTest_;
    std::unique_ptr<TErrorLog> errorLog_;
    std::unique_ptr<TFileInfo> fileInfo_;
    std::unique_ptr<TTrash_Removal> trashRemoval_;
    std::unique_ptr<RezipCommand> rezip_;
    SecondaryWindows windows_;
};
