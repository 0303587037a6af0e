#pragma once

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
class TUnzip_dest;
class TZipDest;
class Ttempdest;
class Tziptest;

// The windows created after the main window, each once, afterwards only
// shown and hidden. The main window reaches them through this table.
struct SecondaryWindows {
    TSplash *splash = nullptr;
    TDefinable_Ext *definableExt = nullptr;
    TZipDest *zipDest = nullptr;
    TFileInclusion *fileInclusion = nullptr;
    TCreate_Folder *createFolder = nullptr;
    TUnzip_dest *unzipDest = nullptr;
    Ttempdest *tempDest = nullptr;
    TAbout *about = nullptr;
    THelpWindow *help = nullptr;
    TCRC32_Form *crcReport = nullptr;
    Tziptest *zipTest = nullptr;
    TErrorLog *errorLog = nullptr;
    TFileInfo *fileInfo = nullptr;
    TTrash_Removal *trashRemoval = nullptr;
};
