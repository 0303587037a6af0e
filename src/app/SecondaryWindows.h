#pragma once

#include <memory>

class TAbout;
class TCRC32_Form;
class TCreate_Folder;
class TDefinable_Ext;
class TDupes;
class TDeleteScreen;
class TErrorLog;
class TFileInclusion;
class TFileInfo;
class TRename_Form;
class THelpWindow;
class TSplash;
class TTrash_Removal;
class TUnzip_dest;
class TZipDest;
class Ttempdest;
class Ttrimmer;
class Tziptest;

// The windows created after the main window, each once, afterwards only
// shown and hidden: the one registry that owns them. TovraneApp fills it
// and wires the main window's commands to them; tests reach them through it.
struct SecondaryWindows {
    SecondaryWindows();
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows &) = delete;
    SecondaryWindows &operator=(const SecondaryWindows &) = delete;

    std::unique_ptr<TSplash> splash;
    std::unique_ptr<TDefinable_Ext> definableExt;
    std::unique_ptr<TZipDest> zipDest;
    std::unique_ptr<TFileInclusion> fileInclusion;
    std::unique_ptr<TCreate_Folder> createFolder;
    std::unique_ptr<TUnzip_dest> unzipDest;
    std::unique_ptr<Ttempdest> tempDest;
    std::unique_ptr<TAbout> about;
    std::unique_ptr<THelpWindow> help;
    std::unique_ptr<TCRC32_Form> crcReport;
    std::unique_ptr<Tziptest> zipTest;
    std::unique_ptr<TErrorLog> errorLog;
    std::unique_ptr<TFileInfo> fileInfo;
    std::unique_ptr<Ttrimmer> trimmer;
    std::unique_ptr<TRename_Form> rename;
    std::unique_ptr<TDupes> dupes;
    std::unique_ptr<TDeleteScreen> deleteScreen;
    std::unique_ptr<TTrash_Removal> trashRemoval;
};
