#pragma once

class TAbout;
class TErrorLog;
class Tziptest;
class TDefinable_Ext;
class THelpWindow;
class TSplash;

// The windows created after the main window, each once, afterwards only
// shown and hidden. The main window reaches them through this table.
struct SecondaryWindows {
    TSplash *splash = nullptr;
    TDefinable_Ext *definableExt = nullptr;
    TAbout *about = nullptr;
    THelpWindow *help = nullptr;
    Tziptest *zipTest = nullptr;
    TErrorLog *errorLog = nullptr;
};
