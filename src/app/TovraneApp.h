#pragma once

#include "SecondaryWindows.h"

#include <memory>

class TMainform;
class TAbout;
class TCRC32_Form;
class TCreate_Folder;
class TDefinable_Ext;
class TDupes;
class TErrorLog;
class TFileInclusion;
class TFileInfo;
class TRename_Form;
class WindowGate;
class THelpWindow;
class TSplash;
class TTrash_Removal;
class RezipCommand;
class TUnzip_dest;
class TZipDest;
class Ttempdest;
class Ttrimmer;
class Tziptest;

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
    // The folder dialogs, "File Inclusion" and "Create a new folder".
    void wireFolderDialogs();
    // The tools on the main file list and the error log.
    void wireToolWindows();
    // Help and About.
    void wireShellWindows();

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
    std::unique_ptr<WindowGate> gate_;
    std::unique_ptr<Ttrimmer> trimmer_;
    std::unique_ptr<TRename_Form> rename_;
    std::unique_ptr<TDupes> dupes_;
    std::unique_ptr<TTrash_Removal> trashRemoval_;
    std::unique_ptr<RezipCommand> rezip_;
    SecondaryWindows windows_;
};
