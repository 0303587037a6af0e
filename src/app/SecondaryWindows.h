#pragma once

class TAbout;
class TCreate_Folder;
class TDefinable_Ext;
class TFileInclusion;
class THelpWindow;
class TSplash;
class TUnzip_dest;
class TZipDest;
class Ttempdest;

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
};
