#pragma once

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
// shown and hidden. TovraneApp fills this table and wires the main window's
// commands to them; tests reach them through it.
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
    Ttrimmer *trimmer = nullptr;
    TRename_Form *rename = nullptr;
    TDupes *dupes = nullptr;
    TDeleteScreen *deleteScreen = nullptr;
    TTrash_Removal *trashRemoval = nullptr;
};
